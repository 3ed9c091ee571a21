#pragma once
// One running copy per window name and user. The first copy listens on an
// abstract Unix socket; a second start connects to it, which asks the first
// to come to the front, and then gives up.

namespace platform {

// True when this process is the only copy running under that name; false
// when another copy runs (it has then been asked to come to the front).
bool claimSingleInstance(const char* name);

// True once for every request from a later start since the last call.
bool takeBringToFrontRequest();

// Stops listening (at exit).
void releaseSingleInstance();

}  // namespace platform
