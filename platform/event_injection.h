#pragma once
// Synthetic input for the test suite: each call puts one SDL event into
// the queue, so the messages come out of the same translation as real ones.
// Key codes are the window system's virtual-key codes (messages.h).

#include <cstdint>

namespace platform {

void injectKey(unsigned virtualKey, bool down, bool altHeld = false, bool repeat = false);
void injectText(const char* utf8);
void injectMouseMotion(int x, int y);
// button 1 left, 2 right, 3 middle; clicks as the window system counts them.
void injectMouseButton(int button, bool down, int x, int y, int clicks = 1);
enum class WindowChange { FocusGained, FocusLost, Minimized, Restored, Close };
void injectWindowChange(WindowChange change);

}  // namespace platform
