#pragma once
// The base of every menu element: position, size, texts, state flags, the
// list of children, the common keys of a menu file section, and the
// virtual operations through which the frame and the input reach it.

#include <cstdint>

class Font;
class Sprite;
struct SoundGroup;

constexpr int WIDGET_NAME_SIZE = 48;
constexpr int WIDGET_TEXT_SIZE = 256;

// The sound bank every menu sound comes from.
constexpr const char* MENU_SOUND_BANK = "data\\sound\\sound.ini";

class Widget {
public:
    Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    virtual ~Widget();
    // Takes ownership of the child and puts it at the head of the list.
    virtual void addChild(Widget* child);
    virtual void unlinkChild(Widget* child);
    virtual void deleteChild(Widget* child);
    virtual void setText(const char* caption);
    virtual int onCommand(Widget* child);
    virtual void load(const char* file, const char* section);
    virtual void draw(int offsetX, int offsetY, Sprite* target);
    virtual int update(int milliseconds);
    virtual int keyDown(unsigned key, std::intptr_t lparam);
    virtual int keyUp(unsigned key, std::intptr_t lparam);
    virtual int charInput(unsigned code, std::intptr_t lparam);
    virtual int mouseMove(std::uintptr_t wparam, std::intptr_t lparam);
    virtual void setPrompt(const char* caption);

    // The first child from the head whose name matches in any case.
    Widget* findChild(const char* childName) const;
    // Strictly inside: the left and top edges do not count.
    bool hitTest(int px, int py) const;
    void setHighlight(bool on);
    // The value in decimal with commas between groups of three digits.
    void setNumber(int value);
    // The widget has appeared: no phase, or its time has reached it.
    bool phaseReached() const { return phase == 0 || time >= phase; }

    Font* font = nullptr;
    SoundGroup* toggleSound = nullptr;
    Widget* next = nullptr;
    Widget* prev = nullptr;
    Widget* firstChild = nullptr;
    Widget* lastChild = nullptr;
    Widget* current = nullptr;
    Widget* parent = nullptr;
    Sprite* background = nullptr;
    Widget* returnScreen = nullptr;
    std::int32_t x = 0, y = 0;
    std::int32_t xs = 0, ys = 0;
    std::int32_t xalign = 0, yalign = 0;
    std::int32_t bnotstatic = 0;
    Sprite* image = nullptr;
    Sprite* canvas = nullptr;
    std::int16_t highlighted = 0;
    std::int16_t pressed = 0;
    std::int16_t enabled = 1;
    std::int16_t visible = 1;
    std::int16_t tabStop = 1;
    char name[WIDGET_NAME_SIZE] = {};
    char text[WIDGET_TEXT_SIZE] = {};
    std::int32_t time = 0;
    std::int32_t phase = 0;
};

bool sameTextIgnoringCase(const char* a, const char* b);
// Copies text into a fixed buffer, cut to fit and always terminated.
void copyTextInto(char* buffer, int size, const char* source);
template <int N> void copyText(char (&buffer)[N], const char* source) { copyTextInto(buffer, N, source); }
