#pragma once
// The logo screen: the loading bar, and the "start" button that leads to
// the main menu. Its activation starts the menu music.

#include "menu/screen.h"

class LogoScreen : public Screen {
public:
    int onCommand(Widget* child) override;
    void onActivate() override;
};
