#include "tools/datacheck/expected_files.h"

#include "game/field_media.h"

#include <cstdio>

namespace datacheck {
namespace {

std::string format(const char* pattern, int a, int b = 0)
{
    char name[96];
    std::snprintf(name, sizeof name, pattern, a, b);
    return name;
}

void boardPictures(std::vector<Expected>& out)
{
    for (const char* name : {"data\\field.tga", "data\\cell0.tga", "data\\cell1.tga", "data\\cell_score.tga",
                             "data\\cell_wand.tga", "data\\locked0.tga", "data\\locked1.tga"})
        out.push_back({name});
    out.push_back({"data\\select.tga", Kind::Picture, 11});
    out.push_back({"data\\fx\\teleport.tga", Kind::Picture, 6});
    for (int i = 0; i <= 8; ++i) {
        out.push_back({format("data\\gifts\\NONE\\active%d.tga", i), Kind::Picture, 20});
        out.push_back({format("data\\gifts\\HELP\\help%d.tga", i), Kind::Picture, 15});
    }
    out.push_back({"data\\Gifts\\raduga.tga", Kind::Picture, 20});
    for (int i = 0; i < 20; ++i)
        out.push_back({format(i < 10 ? "data\\tiles\\0%d.tga" : "data\\tiles\\%d.tga", i)});
}

void effectPictures(std::vector<Expected>& out)
{
    for (int i = 0; i < 8; ++i)
        out.push_back({format("data\\fx\\spark%d.tga", i), Kind::Picture, 6});
    out.push_back({"data\\fx\\splash.tga", Kind::Picture, 8});
    for (int i = 0; i < 3; ++i)
        out.push_back({format("data\\fx\\chunk%d.tga", i)});
    out.push_back({"data\\fx\\glow_green.tga", Kind::Picture, 5});
    out.push_back({"data\\fx\\glow_blue.tga", Kind::Picture, 5});
    out.push_back({"data\\fx\\glow.tga"});
    for (int i = 1; i <= 4; ++i) {
        out.push_back({format("data\\fx\\diamond_small%d.tga", i), Kind::Picture, 15});
        out.push_back({format("data\\fx\\diamond_big%d.tga", i), Kind::Picture, 15});
    }
    for (int n : {1, 2, 4, 5, 6}) {
        out.push_back({format("data\\fx\\konfeti_big%d.tga", n), Kind::Picture, 15});
        out.push_back({format("data\\fx\\konfeti_small%d.tga", n), Kind::Picture, 15});
    }
    // Flying cells are drawn rotated in a 64 × 64 square through a colour key.
    for (const char* name : {"data\\fx\\cell0.tga", "data\\fx\\cell1.tga", "data\\fx\\cell_score.tga",
                             "data\\fx\\cell_wand.tga"})
        out.push_back({name, Kind::Picture, 1, false, 64});
    out.push_back({"DATA\\fx\\diamond_collector.jpg", Kind::Picture, 1, true});
    out.push_back({"DATA\\fx\\diamond_collector_a.jpg", Kind::Picture, 1, true});
    out.push_back({"data\\timebar_n.jpg", Kind::Picture, 1, true});
}

void fontsAndLetters(std::vector<Expected>& out)
{
    out.push_back({"DATA\\fonts\\fontmenu.tga", Kind::Font, 1, true, 0, 3});
    for (const char* name : {"DATA\\fonts\\fontStatic.tga", "DATA\\fonts\\font_dark.tga", "DATA\\fonts\\font_help.tga",
                             "DATA\\fonts\\combo.jpg"})
        out.push_back({name, Kind::Font, 1, true});
    for (char c : letterCharacters())
        out.push_back({std::string("data\\letters\\") + c + ".tga"});
    out.push_back({"data\\hint.tga"});
}

void screenPictures(std::vector<Expected>& out)
{
    static const int kLevels[6] = {5, 6, 6, 7, 8, 8};
    for (int e = 1; e <= 6; ++e) {
        out.push_back({format("data\\BACK\\back%d.jpg", e)});
        out.push_back({format("data\\BACK\\%d\\gift%dshadow.tga", e, e)});
        for (int l = 0; l < kLevels[e - 1]; ++l)
            out.push_back({format("data\\BACK\\%d\\gift0%d.jpg", e, l)});
    }
    for (const char* name : {"DATA\\BACK\\puzzle.jpg", "DATA\\BACK\\puzzle_right.jpg", "DATA\\BACK\\quad.jpg",
                             "DATA\\BACK\\quad_right.jpg", "DATA\\BACK\\adventure_right.jpg"})
        out.push_back({name});
    out.push_back({"data\\custom_cursor.jpg", Kind::Picture, 1, true});
    out.push_back({"data\\magic_wand.tga"});
    out.push_back({"DATA\\game.cur", Kind::Cursor});
}

}  // namespace

const std::string& letterCharacters()
{
    static const std::string set = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!?.,:-'%";
    return set;
}

std::vector<Expected> expectedFiles()
{
    std::vector<Expected> out;
    boardPictures(out);
    effectPictures(out);
    fontsAndLetters(out);
    screenPictures(out);
    return out;
}

std::vector<std::string> soundSections()
{
    std::vector<std::string> sections(FIELD_SOUNDS.begin(), FIELD_SOUNDS.end());
    for (const char* s : {"toggle", "click", "birth", "diamond_bonus", "combo1", "combo2", "combo3", "combo4",
                          "flycell", "collectgem", "line4", "line5", "timeup", "bonuslife", "level_complete",
                          "levcomppop2", "scoretick", "level_complete_puzzle", "options", "dialog",
                          "new_frame_present", "intropop1", "intropop2", "new_episode"})
        sections.emplace_back(s);
    return sections;
}

}  // namespace datacheck
