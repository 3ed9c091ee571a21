#pragma once
// The display device: the back buffer every frame is drawn into, the pixel
// format, the window's style and size, presenting, and the registry that
// holds every Sprite of the program.

#include "foundation/gerr.h"
#include "graphics/pixel_format.h"
#include "graphics/sprite.h"
#include "platform/window.h"

#include <cstdint>
#include <memory>
#include <string>

using WindowHandle = platform::Window*;

// Sets up or switches the display (windowed when fullScreen is 0). With no
// window the back buffer and registry are made all the same (headless).
void graphInit(int width, int height, int bitsPerPixel, int fullScreen, WindowHandle window);
void graphSetWindow(int width, int height, int fullScreen);
// A surface in ScreenFormat with colour key 0, or nullptr.
std::unique_ptr<platform::Surface> graphCreateSurface(int width, int height);
void graphPresent();
void graphClose();
const char* graphErrorName(long long result);

extern Sprite* BackBuffer;

// The current mode: -1 before the first graphInit, then 0 or 1.
int graphCurrentMode();

// Registry.
Sprite* graphLoadSprite(const char* name, const char* companion, int reload);
Sprite* graphCreateSprite(int width, int height, const char* name);
Sprite* graphCreateAlphaSprite(int width, int height, const char* name, int alpha);
void graphDeleteSprite(Sprite* sprite);
// A new sprite (or font) entered in the registry, which owns it.
Sprite* graphRegister(std::unique_ptr<Sprite> sprite);
// The first registered sprite with that name (any case), or nullptr.
Sprite* graphFindSprite(const char* name);
// "dir\\name.ext" -> "dir\\_name.tga": the alpha companion's name.
std::string spriteCompanionName(const std::string& name);
// Loads or reloads a sprite's image from its names.
void spriteLoad(Sprite* sprite);

// Appends the result's name after a failed check's report.
long long graphReportName(long long result);
#define GRAPH_CHECK(expr) graphReportName(GERR_CHECK(expr))
