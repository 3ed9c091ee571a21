#pragma once
// What the field asks of the game screen that owns it.

class FieldScreen {
public:
    virtual ~FieldScreen() = default;
    // Everything on the screen is to be drawn anew.
    virtual void redrawAll() = 0;
    // A new level was loaded: its background picture is to be made.
    virtual void rebuildLevelBackground() = 0;
};

class NoFieldScreen final : public FieldScreen {
public:
    void redrawAll() override {}
    void rebuildLevelBackground() override {}
};
