#include "menu/screen_factory.h"

#include "menu/screen.h"
#include "shell/logo_screen.h"
#include "shell/splash_screen.h"

#include <memory>
#include <new>

namespace {

using ScreenMaker = std::unique_ptr<Screen> (*)();

template <class T> std::unique_ptr<Screen> make() { return std::make_unique<T>(); }
constexpr ScreenMaker plainScreen = make<Screen>;

struct ScreenClass {
    const char* name;
    ScreenMaker make;
};

// Names whose classes are still to come give plain screens for now.
constexpr ScreenClass kScreenClasses[] = {
    { "game", plainScreen },          { "levelcomplete", plainScreen },   { "nomovespuzzle", plainScreen },
    { "timeup", plainScreen },        { "gameover", plainScreen },        { "puzzlesolved", plainScreen },
    { "readyintro", plainScreen },    { "questmap", plainScreen },        { "winquest", plainScreen },
    { "winpuzzle", plainScreen },     { "mainmenu", plainScreen },        { "options", plainScreen },
    { "resumemenu", plainScreen },    { "highscores", plainScreen },      { "profilemenu", plainScreen },
    { "editname", plainScreen },      { "deletedialog", plainScreen },    { "helpmenu", plainScreen },
    { "continue", plainScreen },      { "confirm_dlg", plainScreen },     { "tiptile_dlg", plainScreen },
    { "tipscore_dlg", plainScreen },  { "tipwand_dlg", plainScreen },     { "tipraduga_dlg", plainScreen },
    { "tipdouble_dlg", plainScreen }, { "tiplocked_dlg", plainScreen },   { "tipteleport_dlg", plainScreen },
    { "tipbad_dlg", plainScreen },    { "splash", make<SplashScreen> },  { "logo", make<LogoScreen> },
};

}  // namespace

Screen* createNamedScreen(const char* screenName)
{
    try {
        for (const ScreenClass& entry : kScreenClasses)
            if (sameTextIgnoringCase(entry.name, screenName))
                return entry.make().release();
        return std::make_unique<Screen>().release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
