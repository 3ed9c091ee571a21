#include "platform/message_box.h"

#include "platform/sdl_window.h"

#include <cstdio>
#include <cstring>

namespace platform {
namespace {

MessageBoxObserver& observer()
{
    static MessageBoxObserver watcher;
    return watcher;
}

// A real screen to show a box on: a video driver other than the headless ones.
bool canShowBoxes()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
}

}  // namespace

void showMessageBox(const char* text, const char* caption)
{
    const std::string body = text ? text : "";
    const std::string title = caption ? caption : "";
    if (observer()) {
        observer()(body, title);
        return;
    }
    if (canShowBoxes() &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), body.c_str(), nullptr) == 0)
        return;
    std::fprintf(stderr, "%s: %s\n", title.c_str(), body.c_str());
}

void setMessageBoxObserver(MessageBoxObserver watcher) { observer() = std::move(watcher); }

}  // namespace platform
