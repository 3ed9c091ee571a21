#pragma once
// Sound and file names compare without regard to ASCII case.

#include <algorithm>
#include <cctype>
#include <string_view>

inline bool sameTextIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}
