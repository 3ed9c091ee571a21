#pragma once
// The first screen: shown for 151 updates, fading to black in its third
// second, after which its update runs the loading sequence of the main
// screens while the logo screen's bar advances.

#include "menu/screen.h"

constexpr int SPLASH_UPDATES = 151;

class SplashScreen : public Screen {
public:
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int update(int milliseconds) override;

    int updates = 0;
    bool loaded = false;
};

// Creates the main screens, showing the progress on "logo" between them.
void runLoadingSequence();
