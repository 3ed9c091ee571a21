#pragma once
// A picture (optionally an animation strip) and a caption; not a tab stop.

#include "menu/widget.h"

class StaticWidget : public Widget {
public:
    StaticWidget() { tabStop = 0; }
    void load(const char* file, const char* section) override;
    void draw(int offsetX, int offsetY, Sprite* target) override;
    int update(int milliseconds) override;

    bool stretch = false;  // the picture's size differs from the widget's

protected:
    // The parent's font when it has one, else the given default.
    Font* fontOr(Font* fallback) const;
};

// A picture by its menu-file key; none when the key is empty.
Sprite* loadKeyedPicture(const char* file, const char* section, const char* key);
