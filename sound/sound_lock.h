#pragma once
// The one lock of the whole sound system. The service pass holds it for a
// pass and every public sound operation while it runs; it is re-entrant
// because fade callbacks call public operations from inside the pass.

#include <mutex>

std::recursive_mutex& soundLock();

class SoundLock {
public:
    SoundLock() : guard_(soundLock()) {}

private:
    std::lock_guard<std::recursive_mutex> guard_;
};
