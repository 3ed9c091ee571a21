#include "menu/widget.h"

#include "foundation/ini.h"
#include "menu/screen.h"
#include "sound/sound_group.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

void copyTextInto(char* buffer, int size, const char* source)
{
    if (!source)
        source = "";
    const std::size_t length = std::min(std::strlen(source), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, source, length);
    buffer[length] = 0;
}

bool sameTextIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

Widget::~Widget()
{
    while (firstChild)
        deleteChild(firstChild);
}

void Widget::addChild(Widget* child)
{
    child->parent = this;
    child->prev = nullptr;
    child->next = firstChild;
    if (firstChild)
        firstChild->prev = child;
    else
        lastChild = child;
    firstChild = child;
}

void Widget::unlinkChild(Widget* child)
{
    if (!child || child->parent != this)
        return;
    if (child->prev)
        child->prev->next = child->next;
    else
        firstChild = child->next;
    if (child->next)
        child->next->prev = child->prev;
    else
        lastChild = child->prev;
    if (current == child)
        current = nullptr;
    child->next = child->prev = nullptr;
    child->parent = nullptr;
}

void Widget::deleteChild(Widget* child)
{
    if (!child || child->parent != this)
        return;
    unlinkChild(child);
    delete child;
}

void Widget::setText(const char* caption) { copyText(text, caption); }

int Widget::onCommand(Widget*) { return 0; }

void Widget::load(const char* file, const char* section)
{
    copyText(name, section);
    x = iniGetInt(file, section, "x");
    y = iniGetInt(file, section, "y");
    if (parent) {
        x += parent->x;
        y += parent->y;
    }
    xs = iniGetInt(file, section, "xs");
    ys = iniGetInt(file, section, "ys");
    xalign = iniGetInt(file, section, "xalign");
    yalign = iniGetInt(file, section, "yalign");
    copyText(text, iniGetString(file, section, "name"));
    bnotstatic = iniGetInt(file, section, "bnotstatic");
    if (*iniGetString(file, section, "btabstop"))
        tabStop = static_cast<std::int16_t>(iniGetInt(file, section, "btabstop"));
    phase = iniGetInt(file, section, "phase");
    toggleSound = LoadSoundGroup(MENU_SOUND_BANK, "toggle");
}

void Widget::draw(int, int, Sprite*) {}

int Widget::update(int milliseconds)
{
    time += milliseconds;
    return 0;
}

int Widget::keyDown(unsigned, std::intptr_t) { return 0; }
int Widget::keyUp(unsigned, std::intptr_t) { return 0; }
int Widget::charInput(unsigned, std::intptr_t) { return 0; }
int Widget::mouseMove(std::uintptr_t, std::intptr_t) { return 0; }
void Widget::setPrompt(const char*) {}

Widget* Widget::findChild(const char* childName) const
{
    for (Widget* child = firstChild; child; child = child->next)
        if (sameTextIgnoringCase(child->name, childName))
            return child;
    return nullptr;
}

bool Widget::hitTest(int px, int py) const { return px > x && px < x + xs && py > y && py < y + ys; }

void Widget::setHighlight(bool on)
{
    const bool changed = (highlighted != 0) != on;
    highlighted = on ? 1 : 0;
    // The canvas is drawn after the new state is stored, so that it shows it.
    if (changed)
        if (auto* screen = dynamic_cast<Screen*>(parent))
            screen->renderStatic(0);
    if (on)
        PlaySoundGroup(toggleSound, 10, 10, 10, 10);
    else
        pressed = 0;
}

void Widget::setNumber(int value)
{
    if (value < 1000)
        std::snprintf(text, sizeof text, "%d", value);
    else if (value < 1000000)
        std::snprintf(text, sizeof text, "%d,%03d", value / 1000, value % 1000);
    else
        std::snprintf(text, sizeof text, "%d,%03d,%03d", value / 1000000, value / 1000 % 1000, value % 1000);
}
