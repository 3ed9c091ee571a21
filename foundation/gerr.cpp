#include "foundation/gerr.h"

#include "platform/paths.h"

#include <cstdio>
#include <ctime>
#include <mutex>

namespace {

constexpr const char* kLogName = "gerr.log";

struct ErrorLog {
    std::mutex lock;  // the main thread and the sound thread both report
    std::FILE* stream = nullptr;

    ~ErrorLog()
    {
        if (stream)
            std::fclose(stream);
    }

    // Opens the log and writes the header when it is not open yet.
    bool ensureOpen(const char* buildDate, const char* buildTime)
    {
        if (stream)
            return true;
        std::time_t now = std::time(nullptr);
        std::tm local {};
        localtime_r(&now, &local);
        stream = platform::openForAppending(kLogName);
        if (!stream)
            return false;
        std::fprintf(stream, "------------------- Compilation data: %s time: %s -------------------\n",
                     buildDate, buildTime);
        std::fprintf(stream, "------------------- Run data: %d:%d:%d time: %d:%d:%d -------------------\n",
                     local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min,
                     local.tm_sec);
        return true;
    }
};

ErrorLog& errorLog()
{
    static ErrorLog log;
    return log;
}

}  // namespace

long long gerrCheck(long long value, const char* expression, const char* file, int line,
                    const char* buildDate, const char* buildTime)
{
    if (value == 0)
        return 0;
    ErrorLog& log = errorLog();
    std::lock_guard guard(log.lock);
    if (log.ensureOpen(buildDate, buildTime)) {
        std::fprintf(log.stream, "%s line: %d  -  %s = %lld\n", file, line, expression, value);
        std::fflush(log.stream);
    }
    return value;
}

void gerrReport(const char* text, const char* file, int line, const char* buildDate, const char* buildTime)
{
    ErrorLog& log = errorLog();
    std::lock_guard guard(log.lock);
    if (log.ensureOpen(buildDate, buildTime)) {
        std::fprintf(log.stream, "%s line: %d  -  %s\n", file, line, text);
        std::fflush(log.stream);
    }
}

void gerrAppend(const char* text)
{
    ErrorLog& log = errorLog();
    std::lock_guard guard(log.lock);
    if (log.stream) {
        std::fputs(text, log.stream);
        std::fflush(log.stream);
    }
}

void gerrClose()
{
    ErrorLog& log = errorLog();
    std::lock_guard guard(log.lock);
    if (log.stream)
        std::fclose(log.stream);
    log.stream = nullptr;
}
