#pragma once
// One page of the interface: a widget whose children are the controls of
// its menu file "data\menu\" + name + ".ini". Opened as a dialog it draws
// a frozen picture of the screen beneath and returns to it when closed.

#include "menu/widget.h"

constexpr int SCREEN_WIDTH = 800;
constexpr int SCREEN_HEIGHT = 600;

class Screen : public Widget {
public:
    ~Screen() override;
    int onCommand(Widget* child) override;
    void load(const char* file, const char* section) override;
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int update(int milliseconds) override;
    int keyDown(unsigned key, std::intptr_t lparam) override;
    int keyUp(unsigned key, std::intptr_t lparam) override;
    int charInput(unsigned code, std::intptr_t lparam) override;
    int mouseMove(std::uintptr_t wparam, std::intptr_t lparam) override;

    virtual void closeDialog();
    virtual void onActivate();
    virtual void onDeactivate();
    virtual void drawDynamic(int offsetX, int offsetY, Sprite* target);
    virtual Sprite* renderStatic(int mode);

    // Deletes the snapshot a dialog draws beneath itself.
    void dropBackground();

private:
    void selectByHit(int px, int py);
};

// The control for a menu file "type", or none for an unknown type.
Widget* createControl(const char* type);
