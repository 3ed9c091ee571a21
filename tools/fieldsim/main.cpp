// fieldsim MAP [--mode quest|puzzle|action|cube] [--seed N] [--start]
//          [--script FILE] [--trace] [--tuning gift=V,fall=V]
// Plays a level map headless by a script of clicks, drags and time steps;
// prints boards, traces sounds, effects, tips and dialogs.

#include "tools/fieldsim/session.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr const char* USAGE =
    "usage: fieldsim MAP [--mode quest|puzzle|action|cube] [--seed N] [--start] [--script FILE] [--trace] "
    "[--tuning gift=V,fall=V]";

int fail(const std::string& message)
{
    std::fprintf(stderr, "fieldsim: %s\n", message.c_str());
    return SIM_USAGE;
}

bool parseMode(const std::string& name, int& mode)
{
    const char* names[] = {"quest", "puzzle", "action", "", "cube"};
    for (int m = 0; m < 5; ++m) {
        if (*names[m] && name == names[m]) {
            mode = m;
            return true;
        }
    }
    return false;
}

bool parseNumber(const std::string& text, unsigned& value)
{
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text.c_str(), &end, 10);
    if (text.empty() || *end || text[0] == '-' || parsed > 0xffffffffUL)
        return false;
    value = static_cast<unsigned>(parsed);
    return true;
}

bool parseFloat(const std::string& text, float& value)
{
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return !text.empty() && !*end;
}

bool parseTuning(const std::string& text, SimOptions& options)
{
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto equals = item.find('=');
        if (equals == std::string::npos)
            return false;
        const std::string key = item.substr(0, equals);
        float value = 0.0f;
        if (!parseFloat(item.substr(equals + 1), value))
            return false;
        if (key == "gift") {
            options.tuneGift = true;
            options.giftVelocity = value;
        } else if (key == "fall") {
            options.tuneFall = true;
            options.fallVelocity = value;
        } else {
            return false;
        }
    }
    return true;
}

// The options; false with the reason in problem.
bool parseArguments(int argc, char** argv, SimOptions& options, std::string& script, std::string& problem)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--start") {
            options.start = true;
        } else if (argument == "--trace") {
            options.trace = true;
        } else if (argument == "--mode" && hasValue) {
            if (!parseMode(argv[++i], options.mode))
                return problem = std::string("unknown mode ") + argv[i], false;
        } else if (argument == "--seed" && hasValue) {
            if (!parseNumber(argv[++i], options.seed))
                return problem = std::string("bad seed ") + argv[i], false;
        } else if (argument == "--script" && hasValue) {
            script = argv[++i];
        } else if (argument == "--tuning" && hasValue) {
            if (!parseTuning(argv[++i], options))
                return problem = std::string("bad tuning ") + argv[i], false;
        } else if (argument.rfind("--", 0) == 0 || !options.mapPath.empty()) {
            return problem = "unexpected argument " + argument, false;
        } else {
            options.mapPath = argument;
        }
    }
    if (options.mapPath.empty())
        return problem = USAGE, false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    std::string scriptPath, problem;
    if (!parseArguments(argc, argv, options, scriptPath, problem))
        return fail(problem);
    std::ifstream scriptFile;
    if (!scriptPath.empty()) {
        scriptFile.open(scriptPath);
        if (!scriptFile)
            return fail("cannot read script " + scriptPath);
    }
    SimSession session(options);
    if (!session.begin())
        return fail("map " + options.mapPath + " is missing or damaged");
    std::string line;
    for (int number = 1; scriptFile && std::getline(scriptFile, line); ++number) {
        const int result = session.run(line, problem);
        if (result != SIM_OK) {
            std::fflush(stdout);
            std::fprintf(stderr, "fieldsim: line %d: %s\n", number, problem.c_str());
            return result;
        }
    }
    return SIM_OK;
}
