#include "graphics/graph.h"

#include "platform/surface_results.h"

namespace {

struct ResultName {
    std::int32_t code;
    const char* name;
};

constexpr ResultName kResultNames[] = {
#define GIFTFALL_RESULT_NAME(name, value) { static_cast<std::int32_t>(value), #name },
    GIFTFALL_SURFACE_RESULTS(GIFTFALL_RESULT_NAME)
#undef GIFTFALL_RESULT_NAME
};

}  // namespace

const char* graphErrorName(long long result)
{
    if (result == 0)
        return "DD_OK";
    for (const ResultName& entry : kResultNames)
        if (entry.code == result)
            return entry.name;
    return "not found";
}

long long graphReportName(long long result)
{
    if (result != 0)
        gerrAppend(graphErrorName(result));
    return result;
}
