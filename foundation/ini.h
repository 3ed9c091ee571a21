#pragma once
// INI files: settings, texts and layouts. The module caches the raw bytes of
// the one file used last and scans them afresh on every call; every call
// names its file. Missing files, sections and keys read as "", 0 and 0.0.

#include <string>
#include <vector>

// The value (at most 1023 bytes), or "" when missing. Valid until the next
// call into this module.
const char* iniGetString(const char* file, const char* section, const char* key);
int iniGetInt(const char* file, const char* section, const char* key);
float iniGetFloat(const char* file, const char* section, const char* key);

// Each set rewrites the whole file; 0 when written, -1 when it could not be.
// The cached contents keep the change either way.
int iniSetString(const char* file, const char* section, const char* key, const char* value);
int iniSetInt(const char* file, const char* section, const char* key, int value);
int iniSetFloat(const char* file, const char* section, const char* key, float value);

// The names of all sections in file order, read anew from disk.
std::vector<std::string> iniListSections(const char* file);

// Truncates the file to length 0 and empties the cached contents.
int iniClearFile(const char* file);

// Frees the cached contents (at shut-down).
void iniRelease();
