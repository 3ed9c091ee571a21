// datacheck RUN_FOLDER [--list]
// Checks that every data file the program asks for exists in the run
// folder and is sound: pictures decode, strips divide into their frames,
// companions are there, fonts have metric files that parse, the sound bank
// and the music name files that decode. Exits 1 on any problem.
// With --list, prints the names it checks instead.
#include "tools/datacheck/checks.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc < 2 || (argc == 3 && std::strcmp(argv[2], "--list")) || argc > 3) {
        std::fprintf(stderr, "usage: datacheck RUN_FOLDER [--list]\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "datacheck: no run folder %s\n", argv[1]);
        return 2;
    }
    const auto expected = datacheck::expectedFiles();
    if (argc == 3) {
        for (const auto& e : expected)
            std::printf("%s\n", e.name.c_str());
        std::printf("%s\n%s\n", datacheck::kSoundBank, datacheck::kMusicList);
        return 0;
    }
    datacheck::Problems problems;
    int checked = 0;
    for (const auto& e : expected) {
        ++checked;
        for (std::string& p : datacheck::checkExpected(e))
            problems.push_back(std::move(p));
    }
    for (auto* check : {datacheck::checkSoundBank, datacheck::checkMusic})
        for (std::string& p : check(checked))
            problems.push_back(std::move(p));
    for (const std::string& p : problems)
        std::printf("datacheck: %s\n", p.c_str());
    std::printf("datacheck: %d files checked, %zu problems\n", checked, problems.size());
    return problems.empty() ? 0 : 1;
}
