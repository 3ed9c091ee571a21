#include "graphics/font.h"

#include <cstdlib>
#include <string>

std::vector<long> parseMetricNumbers(std::string_view text)
{
    std::vector<long> numbers;
    const std::string copy(text);  // a terminated copy for the decimal conversion
    const char* at = copy.c_str();
    const char* end = at + copy.size();
    auto isNumberChar = [](char c) { return (c >= '0' && c <= '9') || c == '-'; };
    while (at < end) {
        while (at < end && !isNumberChar(*at))
            ++at;
        if (at == end)
            break;
        char* after = nullptr;
        const long value = std::strtol(at, &after, 10);
        numbers.push_back(value);
        while (at < end && (isNumberChar(*at) || *at == '.'))
            ++at;
    }
    return numbers;
}
