// uiscript SCRIPT (or - for standard input): runs the whole game headless in
// the working folder on a simulated clock, driven by the script's lines.
#include "platform/headless_drivers.h"
#include "platform/paths.h"
#include "ui_session.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: uiscript SCRIPT (or - for standard input)\n";
        return 2;
    }
    const std::string name = argv[1];
    std::stringstream fromFile;
    if (name != "-") {
        std::vector<unsigned char> bytes;
        if (!platform::readWholeFile(name, bytes)) {
            std::cerr << "uiscript: cannot read " << name << "\n";
            return 2;
        }
        fromFile.str(std::string(bytes.begin(), bytes.end()));
    }
    std::istream& script = name == "-" ? std::cin : fromFile;
    platform::selectHeadlessDrivers();
    int code = 0;
    {
        UiSession session(std::cout, std::cerr);
        std::string line;
        while (std::getline(script, line) && session.run(line)) {
        }
        code = session.exitCode;
    }
    return code;
}
