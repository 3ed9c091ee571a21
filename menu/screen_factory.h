#pragma once
// Screen classes by screen name (any case); a name without a class of its
// own gives a plain Screen that shows its file.

class Screen;

Screen* createNamedScreen(const char* screenName);
