#pragma once
// Start-up, the frame and shut-down of the game, plugged into the shell.

#include "platform/window.h"

// Brings the subsystems up in order and opens the screen "splash".
void gameStartUp(platform::Window* window);
// Clears the back buffer, updates the screens in 20 ms steps, draws and
// presents them; 1 ends the program.
int gameFrame();
// Tears everything down in order and hands the two exit files to the shell.
void gameShutDown();

// Makes the shell run the three above and route messages to the screens.
void installGameHooks();
