#include "ui_session.h"

#include "foundation/ini.h"
#include "graphics/screenshot.h"
#include "menu/checkbox_widget.h"
#include "menu/progress_widget.h"
#include "menu/screen_manager.h"
#include "platform/messages.h"
#include "shell/frame_clock.h"
#include "shell/runwin.h"
#include "shell/startup.h"

#include <ostream>
#include <sstream>

using namespace platform;

namespace {

std::int64_t simulatedMs = 0;
std::int64_t simulatedCounter() { return simulatedMs; }
std::int64_t millisecondRate() { return 1000; }
// The simulated window always has the mouse.
bool mouseInSimulatedWindow() { return true; }

}  // namespace

UiSession::UiSession(std::ostream& out, std::ostream& err) : out_(out), err_(err)
{
    frameClock.readCounter = simulatedCounter;
    frameClock.counterFrequency = millisecondRate;
    NOTCustom = iniGetInt("game.ini", "main", "NOTCustom");
    gameStartUp(nullptr);
    if (Screens)
        Screens->cursorInWindow = mouseInSimulatedWindow;
}

UiSession::~UiSession() { gameShutDown(); }

void UiSession::frames(int milliseconds)
{
    for (int spent = 0; spent < milliseconds && !ended_; spent += frameLength_) {
        simulatedMs += frameLength_;
        if (gameFrame())
            ended_ = true;
    }
}

void UiSession::mouse(unsigned message, int x, int y, unsigned buttons)
{
    if (Screens)
        Screens->handleMessage(message, buttons, packMousePosition(x, y));
}

void UiSession::printScreen()
{
    Screen* current = Screens ? Screens->currentScreen() : nullptr;
    if (!current) {
        out_ << "screen none\n";
        return;
    }
    if (current->returnScreen)
        out_ << "screen " << current->returnScreen->name << "\ndialog " << current->name << "\n";
    else
        out_ << "screen " << current->name << "\n";
}

void UiSession::printWidget(const std::string& name)
{
    Screen* current = Screens ? Screens->currentScreen() : nullptr;
    Widget* w = current ? current->findChild(name.c_str()) : nullptr;
    if (!w && current && current->returnScreen)
        w = current->returnScreen->findChild(name.c_str());
    if (!w) {
        out_ << "widget " << name << " none\n";
        return;
    }
    const auto* slider = dynamic_cast<ProgressWidget*>(w);
    const auto* box = dynamic_cast<CheckboxWidget*>(w);
    out_ << "widget " << w->name << " x " << w->x << " y " << w->y << " xs " << w->xs << " ys " << w->ys << " visible "
         << w->visible << " enabled " << w->enabled << " highlighted " << w->highlighted << " pressed " << w->pressed
         << " value " << (slider ? slider->value : 0.0f) << " checked " << (box ? box->checked : 0) << " text \""
         << w->text << "\"\n";
}

bool UiSession::run(const std::string& line)
{
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word[0] == '#')
        return true;
    int a = 0, b = 0;
    const auto twoNumbers = [&] { return static_cast<bool>(in >> a >> b); };
    if (word == "wait" && in >> a)
        frames(a);
    else if (word == "fps" && in >> a && a > 0)
        frameLength_ = 1000 / a > 0 ? 1000 / a : 1;
    else if (word == "move" && twoNumbers())
        mouse(MSG_MOUSEMOVE, a, b, 0);
    else if (word == "down" && twoNumbers())
        mouse(MSG_LBUTTONDOWN, a, b, MOUSE_LBUTTON);
    else if (word == "up" && twoNumbers())
        mouse(MSG_LBUTTONUP, a, b, 0);
    else if (word == "rdown" && twoNumbers())
        mouse(MSG_RBUTTONDOWN, a, b, MOUSE_RBUTTON);
    else if (word == "rup" && twoNumbers())
        mouse(MSG_RBUTTONUP, a, b, 0);
    else if (word == "dblclick" && twoNumbers()) {
        mouse(MSG_LBUTTONDOWN, a, b, MOUSE_LBUTTON);
        mouse(MSG_LBUTTONUP, a, b, 0);
        mouse(MSG_LBUTTONDBLCLK, a, b, MOUSE_LBUTTON);
        mouse(MSG_LBUTTONUP, a, b, 0);
    } else if (word == "key" && in >> a) {
        if (Screens) {
            Screens->handleMessage(MSG_KEYDOWN, static_cast<unsigned>(a), 1);
            Screens->handleMessage(MSG_KEYUP, static_cast<unsigned>(a), 1 | KEY_PREVIOUS_DOWN | KEY_TRANSITION_UP);
        }
    } else if (word == "char") {
        std::string text;
        std::getline(in >> std::ws, text);
        for (unsigned char c : text)
            if (Screens)
                Screens->handleMessage(MSG_CHAR, c, 1);
    } else if (word == "shot" && in >> word) {
        if (graphSaveScreenshot(word.c_str()) != 0)
            err_ << "uiscript: could not write " << word << "\n";
    } else if (word == "screen")
        printScreen();
    else if (word == "widget" && in >> word)
        printWidget(word);
    else if (word == "quit")
        return false;
    else {
        err_ << "uiscript: not understood: " << line << "\n";
        exitCode = 2;
        return false;
    }
    return !ended_;
}
