// Opens and draws a menu screen of 40 controls (buttons in their three
// states, statics with captions, a slider, an edit field, check boxes) with
// the sprite cursor, using the generated pictures and fonts of the run
// folder. Prints the time of one frame (update plus draw) and of loading
// the screen from its file.
#include "foundation/ini.h"
#include "graphics/graph.h"
#include "menu/screen_manager.h"
#include "menu/ui_fonts.h"
#include "platform/headless_drivers.h"
#include "platform/messages.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kButtons = 24, kStatics = 12;
constexpr int kFrames = 2000, kLoads = 200;

// The bench screen's menu file.
std::string layout()
{
    std::ostringstream main, sections;
    int n = 0;
    auto section = [&](const char* stem, int index) -> std::ostringstream& {
        main << n++ << "=" << stem;
        sections << "[" << stem;
        if (index >= 0) {
            main << index;
            sections << index;
        }
        main << "\n";
        sections << "]\n";
        return sections;
    };
    section("bg", -1) << "type=static\npath=data\\menu\\mainmenu.jpg\n";
    for (int i = 0; i < kButtons; ++i)
        section("b", i) << "type=button\nx=" << 20 + (i % 4) * 190 << "\ny=" << 20 + (i / 4) * 70
                        << "\npath=data\\menu\\button.tga\npath_a=data\\menu\\button_a.tga\n"
                           "path_p=data\\menu\\button_p.tga\nname=Button "
                        << i << "\n";
    for (int i = 0; i < kStatics; ++i)
        section("s", i) << "type=static\nx=" << 20 + (i % 6) * 125 << "\ny=" << 450 + (i / 6) * 30
                        << "\nxs=120\nys=24\nname=Label " << i << "\n";
    section("slider", -1) << "type=progress\nx=200\ny=530\npath=data\\menu\\slider_knob.tga\n"
                             "path_a=data\\menu\\slider_knob_a.tga\npath_p=data\\menu\\slider_knob_p.tga\n"
                             "leftpath=data\\menu\\slider_left.tga\nrightpath=data\\menu\\slider_right.tga\n";
    section("edit", -1) << "type=edit\nx=500\ny=530\npath=data\\menu\\edit.tga\nname=Player\n";
    for (int i = 0; i < 2; ++i)
        section("c", i) << "type=checkbox\nx=" << 700 + 40 * i << "\ny=530\nvalue=" << i
                        << "\npath=data\\menu\\checkbox.tga\npath_a=data\\menu\\checkbox_a.tga\n"
                           "path_p=data\\menu\\checkbox_p.tga\npath_d=data\\menu\\checkbox_d.tga\n";
    return "[main]\n" + main.str() + sections.str();
}

// A scratch folder with the run folder's menu pictures, fonts and cursors.
fs::path prepareFolder(const fs::path& run)
{
    fs::path folder = fs::temp_directory_path();
    folder /= "uibench-" + std::to_string(Clock::now().time_since_epoch().count());
    fs::create_directories(folder / "data");
    for (const char* part : { "menu", "fonts" })
        fs::copy(run / "data" / part, folder / "data" / part, fs::copy_options::recursive);
    for (const char* file : { "custom_cursor.jpg", "_custom_cursor.tga", "magic_wand.tga" })
        fs::copy(run / "data" / file, folder / "data" / file);
    std::ofstream(folder / "data" / "menu" / "uibench.ini") << layout();
    return folder;
}

double msSince(Clock::time_point start, int count)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / count;
}

bool alwaysInside() { return true; }

}  // namespace

int main(int argc, char** argv)
{
    const fs::path run = argc > 1 ? fs::path(argv[1]) : fs::path(GIFTFALL_RUN_DIR);
    if (!fs::exists(run / "data" / "menu" / "button.tga")) {
        std::fprintf(stderr, "uibench: no generated data in %s\n", run.c_str());
        return 1;
    }
    const fs::path folder = prepareFolder(run);
    fs::current_path(folder);
    platform::selectHeadlessDrivers();
    graphInit(800, 600, 16, 0, nullptr);
    loadUiFonts();
    {
        ScreenManager screens;
        screens.load("", "");
        screens.cursorInWindow = alwaysInside;
        Screen* screen = screens.openScreen("uibench", true);

        auto start = Clock::now();
        for (int i = 0; i < kLoads; ++i) {
            Screen fresh;
            fresh.load("data\\menu\\uibench.ini", "");
        }
        const double loadMs = msSince(start, kLoads);

        // One button highlighted, one pressed, the rest normal.
        screens.handleMessage(platform::MSG_MOUSEMOVE, 0, platform::packMousePosition(60, 40));
        screen->findChild("b5")->setHighlight(true);
        screen->findChild("b5")->pressed = 1;
        screen->findChild("edit")->setHighlight(true);
        start = Clock::now();
        for (int i = 0; i < kFrames; ++i) {
            screens.update(20);
            BackBuffer->FillRect(0, 0, 800, 600, 0xFF000000);
            screens.draw(0, 0, BackBuffer);
        }
        std::printf("menu_frame_ms %.4f\n", msSince(start, kFrames));
        std::printf("screen_load_ms %.4f\n", loadMs);
    }
    graphClose();
    iniRelease();
    fs::current_path(run);
    fs::remove_all(folder);
    return 0;
}
