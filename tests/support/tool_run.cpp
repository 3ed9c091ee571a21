#include "support/tool_run.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string readStream(std::FILE* stream)
{
    std::string text;
    std::array<char, 4096> chunk {};
    std::size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), stream)) > 0)
        text.append(chunk.data(), n);
    return text;
}

}  // namespace

ToolRun runTool(const std::string& tool, const std::string& arguments)
{
    char errName[] = "/tmp/giftfall-tool-stderr-XXXXXX";
    int errFile = mkstemp(errName);
    if (errFile >= 0)
        close(errFile);
    const std::string command =
        std::string(GIFTFALL_TOOLS_DIR) + "/" + tool + " " + arguments + " 2>" + errName;
    ToolRun run;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        run.out = readStream(pipe);
        int status = pclose(pipe);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (std::FILE* err = std::fopen(errName, "r")) {
        run.err = readStream(err);
        std::fclose(err);
    }
    std::remove(errName);
    return run;
}
