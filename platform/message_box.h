#pragma once
// Message boxes with one OK button. Where a display exists SDL shows them;
// with no display, or under the test suite's dummy video driver, the text
// goes to stderr and nothing blocks.

#include <functional>
#include <string>

namespace platform {

void showMessageBox(const char* text, const char* caption);

// Tests watch the boxes shown; an empty function restores the default.
using MessageBoxObserver = std::function<void(const std::string& text, const std::string& caption)>;
void setMessageBoxObserver(MessageBoxObserver observer);

}  // namespace platform
