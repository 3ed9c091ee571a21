#include "platform/audio_alert.h"

#include <cstdio>

namespace platform {

void audioAlert(const char* caption, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

}  // namespace platform
