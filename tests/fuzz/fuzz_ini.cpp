// Reads, lists and writes keys of an arbitrary INI file.
#include "foundation/ini.h"
#include "fuzz_scratch_file.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!writeScratchFile("fuzz.ini", data, size))
        return 0;
    iniGetString("other.ini", "", "");
    // Section and key names come from the first bytes, as a caller might pass.
    std::string names(reinterpret_cast<const char*>(data), size < 12 ? size : 12);
    std::string section = names.substr(0, names.size() / 2).c_str();
    std::string key = names.substr(names.size() / 2).c_str();
    iniListSections("fuzz.ini");
    iniGetString("fuzz.ini", section.c_str(), key.c_str());
    iniGetInt("fuzz.ini", "main", "xs");
    iniGetFloat("fuzz.ini", "sound", "volume");
    iniSetString("fuzz.ini", section.c_str(), key.c_str(), "value");
    if (std::string(iniGetString("fuzz.ini", section.c_str(), key.c_str())) != "value" && !key.empty() &&
        key.find_first_of("=\r\n \t[") == std::string::npos && section.find_first_of("]\r\n") == std::string::npos)
        __builtin_trap();
    iniSetInt("fuzz.ini", "main", "xs", -5);
    iniClearFile("fuzz.ini");
    return 0;
}
