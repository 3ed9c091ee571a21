#include "shell/splash_screen.h"

#include "foundation/ini.h"
#include "graphics/graph.h"
#include "menu/progress_widget.h"
#include "menu/screen_manager.h"
#include "sound/sound_engine.h"

#include <algorithm>

namespace {

constexpr int kFadeStart = 100;  // updates before the fade to black begins
constexpr int kFadeLength = 50;

// Draws the screens at once and presents them, without waiting for a frame.
void show()
{
    Screens->draw(0, 0, BackBuffer);
    graphPresent();
}

class LogoProgress {
public:
    LogoProgress() { reopenLogo(); }
    void reopenLogo()
    {
        Screen* logo = Screens->openScreen("logo", true);
        loading_ = logo ? dynamic_cast<ProgressWidget*>(logo->findChild("loading")) : nullptr;
        start_ = logo ? logo->findChild("start") : nullptr;
    }
    void set(float value)
    {
        if (loading_)
            loading_->setValue(value);
        show();
    }
    void showStart(bool on)
    {
        if (start_)
            start_->visible = on ? 1 : 0;
    }

private:
    ProgressWidget* loading_ = nullptr;
    Widget* start_ = nullptr;
};

}  // namespace

void runLoadingSequence()
{
    LogoProgress progress;
    progress.showStart(false);
    progress.set(0.0f);

    Screens->openScreen("game", false);
    progress.reopenLogo();
    progress.set(0.3f);

    Screens->openScreen("timeup", false);
    Screens->openScreen("levelcomplete", false);
    progress.reopenLogo();
    progress.set(0.6f);

    Screens->openScreen("editname", true);
    Screens->openScreen("options", false);
    Screens->openScreen("profilemenu", true);
    progress.reopenLogo();
    Screens->openScreen("readyintro", false);
    Screens->openScreen("levelcomplete", false);
    progress.reopenLogo();
    progress.set(0.8f);

    Screens->openScreen("mainmenu", true);
    progress.reopenLogo();
    progress.showStart(true);
    SetSoundVolume(iniGetFloat("game.ini", "main", "sound"), 0);
    progress.set(0.8f);
}

void SplashScreen::draw(int offsetX, int offsetY, Sprite* target)
{
    Screen::draw(offsetX, offsetY, target);
    if (updates > kFadeStart && target)
        target->Darken(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT,
                       std::min(255, (updates - kFadeStart) * 255 / kFadeLength));
}

int SplashScreen::update(int milliseconds)
{
    if (updates < SPLASH_UPDATES) {
        ++updates;
        return Screen::update(milliseconds);
    }
    // The loading runs once, even if the splash is shown again.
    if (!loaded && Screens) {
        loaded = true;
        runLoadingSequence();
    }
    return 0;
}
