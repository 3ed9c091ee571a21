#include "menu/ui_fonts.h"

#include "graphics/font.h"

Font* MenuFont = nullptr;
Font* StaticFont = nullptr;
Font* DarkFont = nullptr;
Font* HelpFont = nullptr;
Font* ComboFont = nullptr;

void loadUiFonts()
{
    MenuFont = graphLoadFont("DATA\\fonts\\fontmenu.tga");
    StaticFont = graphLoadFont("DATA\\fonts\\fontStatic.tga");
    DarkFont = graphLoadFont("DATA\\fonts\\font_dark.tga");
    HelpFont = graphLoadFont("DATA\\fonts\\font_help.tga");
    ComboFont = graphLoadFont("DATA\\fonts\\combo.jpg");
}
