#pragma once
// Where the screen pictures put things that the menu layouts must match.

#include <array>

namespace mkdata {

// The six episode areas of the quest map picture, each 172 × 156: the
// "episode%d" buttons and "episode%d_f" markers belong at these corners.
struct EpisodeArea {
    int x, y;
};
inline constexpr std::array<EpisodeArea, 6> kEpisodeAreas = {
    {{40, 60}, {314, 40}, {588, 70}, {588, 330}, {314, 360}, {40, 330}}};

// Levels per quest episode (1-5, 6-11, 12-17, 18-24, 25-32, 33-40).
inline constexpr std::array<int, 6> kLevelsInEpisode = {5, 6, 6, 7, 8, 8};

}  // namespace mkdata
