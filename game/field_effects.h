#pragma once
// The visual effects the board and the scorer start, behind an interface so
// the rules run without the effects module. Positions are screen pixels.

class FieldEffects {
public:
    virtual ~FieldEffects() = default;
    virtual void SpawnScorePopup(int x, int y, int points) = 0;
    // picture: 0 lower layer, 1 upper layer, 2 score cell, 3 wand cell;
    // the offsets are the cell's distance in pixels from the grid origin.
    virtual void SpawnFlyingCell(int x, int y, int picture, int columnOffset, int rowOffset) = 0;
    virtual void SpawnGiftBurst(int x, int y, int colour) = 0;
    virtual void SpawnChunks(int x, int y, int locksLeft) = 0;
    virtual void SpawnSparkle(int x, int y) = 0;
    virtual void SpawnStarBurst(int x, int y) = 0;
    virtual void SpawnGlow(int x, int y, int variant) = 0;
    virtual void SpawnTimeBarFlash() = 0;
    virtual void SpawnGem(int x, int y, int size) = 0;
    // The "flycell" sound of the effects module, for layers flying off.
    virtual void playFlycell() = 0;
};

class NoFieldEffects final : public FieldEffects {
public:
    void SpawnScorePopup(int, int, int) override {}
    void SpawnFlyingCell(int, int, int, int, int) override {}
    void SpawnGiftBurst(int, int, int) override {}
    void SpawnChunks(int, int, int) override {}
    void SpawnSparkle(int, int) override {}
    void SpawnStarBurst(int, int) override {}
    void SpawnGlow(int, int, int) override {}
    void SpawnTimeBarFlash() override {}
    void SpawnGem(int, int, int) override {}
    void playFlycell() override {}
};
