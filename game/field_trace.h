#pragma once
// Media and effects that report every sound and effect spawn as one line
// of text ("sound NAME", "effect NAME ARGS..."), for the field simulator
// and the tests.

#include "game/field_effects.h"
#include "game/field_media.h"

#include <functional>
#include <initializer_list>
#include <string>

using TraceSink = std::function<void(const std::string&)>;

class TraceMedia final : public FieldMedia {
public:
    explicit TraceMedia(TraceSink sink) : sink_(std::move(sink)) {}
    Sprite* loadPicture(const char*, int, int) override { return nullptr; }
    void playSound(std::string_view name, int, int, int, int) override;
    // Every growing gift asks for the birth sound each frame; it is
    // reported once per frame.
    void playBirth() override;
    void newFrame() { birthThisFrame_ = false; }

private:
    TraceSink sink_;
    bool birthThisFrame_ = false;
};

class TraceEffects final : public FieldEffects {
public:
    explicit TraceEffects(TraceSink sink) : sink_(std::move(sink)) {}
    void SpawnScorePopup(int x, int y, int points) override { report("SpawnScorePopup", {x, y, points}); }
    void SpawnFlyingCell(int x, int y, int picture, int dx, int dy) override
    {
        report("SpawnFlyingCell", {x, y, picture, dx, dy});
    }
    void SpawnGiftBurst(int x, int y, int colour) override { report("SpawnGiftBurst", {x, y, colour}); }
    void SpawnChunks(int x, int y, int locksLeft) override { report("SpawnChunks", {x, y, locksLeft}); }
    void SpawnSparkle(int x, int y) override { report("SpawnSparkle", {x, y}); }
    void SpawnStarBurst(int x, int y) override { report("SpawnStarBurst", {x, y}); }
    void SpawnGlow(int x, int y, int variant) override { report("SpawnGlow", {x, y, variant}); }
    void SpawnTimeBarFlash() override { report("SpawnTimeBarFlash", {}); }
    void SpawnGem(int x, int y, int size) override { report("SpawnGem", {x, y, size}); }
    void playFlycell() override { sink_("sound flycell"); }

private:
    void report(const char* name, std::initializer_list<int> arguments);
    TraceSink sink_;
};
