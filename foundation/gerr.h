#pragma once
// The error check: a failed platform call is appended to "gerr.log" in the
// working folder and the program goes on. The check changes no control flow.

// Evaluates expr once; a non-zero value is reported with the expression's
// text, the source file and line.
#define GERR_CHECK(expr) \
    ::gerrCheck(static_cast<long long>(expr), #expr, __FILE__, __LINE__, __DATE__, __TIME__)

// Reports a failure described in words (damaged data, a refused request).
#define GERR_REPORT(text) ::gerrReport((text), __FILE__, __LINE__, __DATE__, __TIME__)

// Returns value; reports it when non-zero.
long long gerrCheck(long long value, const char* expression, const char* file, int line,
                    const char* buildDate, const char* buildTime);

void gerrReport(const char* text, const char* file, int line, const char* buildDate,
                const char* buildTime);

// Appends text to the report just written (when the log is open).
void gerrAppend(const char* text);

// Closes the log; the next failure opens it again with a new header.
void gerrClose();
