#pragma once
// Tells the player about a sound file that cannot be played. It never
// blocks: the text goes to the standard error stream, with the caption
// first. (The window's message box service may take this over.)

namespace platform {

void audioAlert(const char* caption, const char* text);

}  // namespace platform
