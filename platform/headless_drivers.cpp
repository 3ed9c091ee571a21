#include "platform/headless_drivers.h"

#include <SDL.h>

namespace platform {

void selectHeadlessDrivers()
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
}

}  // namespace platform
