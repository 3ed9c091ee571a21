#pragma once
// Runs one of the build's command-line tools in the working folder and
// collects what it printed and its exit code.

#include <string>

struct ToolRun {
    std::string out, err;
    int code = -1;  // the exit code, or -1 when the tool did not exit normally

    std::string all() const { return out + err; }
};

// tool is the program's name in the tools folder; arguments go to the shell.
ToolRun runTool(const std::string& tool, const std::string& arguments);
