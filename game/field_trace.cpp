#include "game/field_trace.h"

void TraceMedia::playSound(std::string_view name, int, int, int, int) { sink_("sound " + std::string(name)); }

void TraceMedia::playBirth()
{
    if (birthThisFrame_)
        return;
    birthThisFrame_ = true;
    sink_("sound birth");
}

void TraceEffects::report(const char* name, std::initializer_list<int> arguments)
{
    std::string line = "effect ";
    line.append(name);
    for (int value : arguments)
        line.append(" ").append(std::to_string(value));
    sink_(line);
}
