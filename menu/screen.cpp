#include "menu/screen.h"

#include "foundation/binary_fields.h"
#include "foundation/ini.h"
#include "graphics/graph.h"
#include "menu/button_widget.h"
#include "menu/checkbox_widget.h"
#include "menu/edit_widget.h"
#include "menu/progress_widget.h"
#include "menu/screen_manager.h"
#include "menu/static_widget.h"
#include "platform/messages.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kMaxChildren = 1000;

// "dir\\name.ini" -> "name": from after the last backslash, the last four
// characters dropped.
std::string baseName(const char* file)
{
    const char* slash = std::strrchr(file, '\\');
    const std::string tail = slash ? slash + 1 : file;
    return tail.size() > 4 ? tail.substr(0, tail.size() - 4) : std::string();
}

}  // namespace

Widget* createControl(const char* type)
{
    std::unique_ptr<Widget> control;
    if (sameTextIgnoringCase(type, "static"))
        control = std::make_unique<StaticWidget>();
    else if (sameTextIgnoringCase(type, "button"))
        control = std::make_unique<ButtonWidget>();
    else if (sameTextIgnoringCase(type, "checkbox"))
        control = std::make_unique<CheckboxWidget>();
    else if (sameTextIgnoringCase(type, "progress"))
        control = std::make_unique<ProgressWidget>();
    else if (sameTextIgnoringCase(type, "edit"))
        control = std::make_unique<EditWidget>();
    return control.release();
}

Screen::~Screen()
{
    dropBackground();
    graphDeleteSprite(canvas);
}

int Screen::onCommand(Widget*) { return 0; }

void Screen::load(const char* file, const char*)
{
    if (!fileExists(file))
        return;
    x = iniGetInt(file, "main", "x");
    y = iniGetInt(file, "main", "y");
    xs = iniGetInt(file, "main", "xs");
    ys = iniGetInt(file, "main", "ys");
    if (!name[0])
        copyText(name, baseName(file).c_str());
    for (int n = 0; n < kMaxChildren; ++n) {
        const std::string key = std::to_string(n);
        const char* section = iniGetString(file, "main", key.c_str());
        if (!*section)
            break;
        const std::string sectionName = section;  // the next INI read may reuse the buffer
        Widget* control = createControl(iniGetString(file, sectionName.c_str(), "type"));
        if (!control)
            continue;
        addChild(control);
        control->load(file, sectionName.c_str());
    }
}

void Screen::draw(int offsetX, int offsetY, Sprite* target)
{
    if (background && target)
        target->Draw(0, 0, background, OP_ALPHA, 0);
    for (Widget* child = lastChild; child; child = child->prev)
        child->draw(offsetX, offsetY, target);
}

int Screen::update(int milliseconds)
{
    for (Widget* child = firstChild; child; child = child->next)
        if (child->update(milliseconds))
            return 1;
    return 0;
}

int Screen::keyDown(unsigned key, std::intptr_t lparam)
{
    if (current)
        current->keyDown(key, lparam);
    return 0;
}

int Screen::keyUp(unsigned key, std::intptr_t lparam)
{
    if (current)
        current->keyUp(key, lparam);
    return 0;
}

int Screen::charInput(unsigned code, std::intptr_t lparam)
{
    if (current)
        current->charInput(code, lparam);
    return 0;
}

int Screen::mouseMove(std::uintptr_t wparam, std::intptr_t lparam)
{
    if (current && current->mouseMove(wparam, lparam))
        return 1;
    selectByHit(platform::mouseX(lparam), platform::mouseY(lparam));
    return 0;
}

void Screen::selectByHit(int px, int py)
{
    Widget* hit = nullptr;
    for (Widget* child = firstChild; child && !hit; child = child->next)
        if (child->tabStop && child->enabled && child->visible && child->hitTest(px, py))
            hit = child;
    if (hit == current)
        return;
    Widget* old = current;
    current = hit;
    if (old)
        old->setHighlight(false);
    if (hit && hit->tabStop)
        hit->setHighlight(true);
}

void Screen::closeDialog()
{
    if (!returnScreen)
        return;
    dropBackground();
    if (auto* manager = dynamic_cast<ScreenManager*>(parent))
        manager->activateScreen(returnScreen);
    returnScreen = nullptr;
}

void Screen::onActivate()
{
    for (Widget* child = firstChild; child; child = child->next)
        child->time = 0;
}

void Screen::onDeactivate() {}

void Screen::drawDynamic(int offsetX, int offsetY, Sprite* target)
{
    for (Widget* child = lastChild; child; child = child->prev)
        if (child->bnotstatic == 1)
            child->draw(offsetX, offsetY, target);
}

Sprite* Screen::renderStatic(int mode)
{
    if (!canvas) {
        // Nothing beyond the back buffer is ever shown, so the canvas is never larger.
        const bool sized = xs > 0 && ys > 0;
        canvas = graphCreateSprite(sized ? std::min(xs, SCREEN_WIDTH) : SCREEN_WIDTH,
                                   sized ? std::min(ys, SCREEN_HEIGHT) : SCREEN_HEIGHT, "");
    }
    if (!canvas)
        return nullptr;
    for (Widget* child = lastChild; child; child = child->prev)
        if (mode == 1 || child->bnotstatic != 1)
            child->draw(0, 0, canvas);
    return canvas;
}

void Screen::dropBackground()
{
    graphDeleteSprite(background);
    background = nullptr;
}
