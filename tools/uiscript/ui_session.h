#pragma once
// One headless run of the game driven by a script: the start-up, frames on
// a simulated clock, input as window messages, and the shut-down.

#include <iosfwd>
#include <string>

class UiSession {
public:
    UiSession(std::ostream& out, std::ostream& err);
    ~UiSession();
    UiSession(const UiSession&) = delete;
    UiSession& operator=(const UiSession&) = delete;

    // Runs one script line; false when the run has ended (quit, the game
    // asked to end) or the line was not understood (then exitCode is 2).
    bool run(const std::string& line);
    int exitCode = 0;

private:
    void frames(int milliseconds);
    void mouse(unsigned message, int x, int y, unsigned buttons);
    void printScreen();
    void printWidget(const std::string& name);

    std::ostream& out_;
    std::ostream& err_;
    int frameLength_ = 20;
    bool ended_ = false;
};
