#include "shell/logo_screen.h"

#include "menu/screen_manager.h"
#include "sound/music_player.h"

int LogoScreen::onCommand(Widget* child)
{
    if (child && sameTextIgnoringCase(child->name, "start") && Screens)
        Screens->openScreen("mainmenu", true);
    return 0;
}

void LogoScreen::onActivate()
{
    Screen::onActivate();
    if (MusicPlayer* music = GetMusicPlayer())
        music->Play(MUSIC_MENU);
}
