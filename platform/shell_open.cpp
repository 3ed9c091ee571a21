#include "platform/shell_open.h"

#include "platform/paths.h"

#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <thread>

extern char** environ;

namespace platform {

int shellOpen(const char* target)
{
    constexpr int kNotFound = 2;
    constexpr int kHandedOn = 42;
    if (!target || !*target)
        return kNotFound;
    // Game names are resolved through the path layer; addresses pass as given.
    std::string what = target;
    if (what.find("://") == std::string::npos) {
        if (!fileExistsOnDisk(what))
            return kNotFound;
        what = resolvePath(what);
    }
    char program[] = "xdg-open";
    char* argv[] = { program, what.data(), nullptr };
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0)
        return kNotFound;
    // Reaped in the background so that no zombie is left.
    std::thread([child] {
        int status = 0;
        waitpid(child, &status, 0);
    }).detach();
    return kHandedOn;
}

}  // namespace platform
