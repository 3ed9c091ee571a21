#pragma once
// The 20 border tiles that frame the board, and the frame assembled from
// them the way the game lays them around a board of 14 × 10 cells.
//
// Each tile fills one zone of a 48-pixel square next to a present cell: the
// square is cut into a 3 × 3 grid of zones (edge strips of kBand pixels and
// the middle), and the tile draws the part of the frame rail that lies in
// its zone for its neighbourhood: straight runs, inner (concave) corners
// where two present sides meet, and outer (convex) corners next to a cell
// that touches the square only diagonally. The rail is drawn as a function
// of the distance to the nearest present cell, so neighbouring tiles meet
// without a seam.

#include "tools/mkdata/image.h"

#include <array>

namespace mkdata {

constexpr int kBorderTiles = 20;
constexpr int kBand = 14;
constexpr int kBoardColumns = 14;
constexpr int kBoardRows = 10;

Image borderTile(int index);

// Draws the frame of a board (present cells true) with its grid origin at
// (originX, originY) into target, tile by tile as the game does.
void drawBorderFrame(Image& target, const std::array<bool, kBoardColumns * kBoardRows>& present, int originX,
                     int originY, const std::array<Image, kBorderTiles>& tiles);

}  // namespace mkdata
