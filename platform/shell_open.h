#pragma once
// Opens a file or address with the program the desktop associates with it
// (xdg-open). The result follows the old shell's rule: above 32 means the
// request was handed on, 32 or less that it failed (2: nothing to open or
// no opener).

namespace platform {

int shellOpen(const char* target);

}  // namespace platform
