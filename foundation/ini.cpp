#include "foundation/ini.h"

#include "platform/paths.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kValueSize = 1024;

// The section found last: screens read many keys of one section in a row,
// so its body is not searched for again until the contents change.
struct SectionMemo {
    bool valid = false;
    std::string name;
    std::size_t body = 0;
};

struct IniCache {
    std::string name;
    std::vector<unsigned char> contents;
    SectionMemo lastSection;
    char value[kValueSize] = {};
};

IniCache& cache()
{
    static IniCache instance;
    return instance;
}

bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isLineEnd(unsigned char c) { return c == '\r' || c == '\n'; }

unsigned char foldCase(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool sameName(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (foldCase(static_cast<unsigned char>(*a)) != foldCase(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

// A scan over the cached contents; positions are offsets into them.
class Scanner {
public:
    explicit Scanner(const std::vector<unsigned char>& text) : text_(text) {}

    std::size_t skipBlanks(std::size_t pos) const
    {
        while (pos < text_.size() && isBlank(text_[pos]))
            ++pos;
        return pos;
    }

    std::size_t nextLine(std::size_t pos) const
    {
        while (pos < text_.size() && !isLineEnd(text_[pos]))
            ++pos;
        return skipBlanks(pos);
    }

    // Compares name with the text at pos as long as both go on; returns the
    // position after the name when all of it matched, or npos.
    std::size_t matchName(std::size_t pos, const char* name) const
    {
        for (; *name; ++name, ++pos) {
            if (pos >= text_.size() || foldCase(text_[pos]) != foldCase(static_cast<unsigned char>(*name)))
                return npos;
        }
        return pos;
    }

    // The position after the header's ']', or npos when the section is missing.
    std::size_t findSection(const char* section) const
    {
        for (std::size_t pos = skipBlanks(0); pos < text_.size(); pos = nextLine(pos)) {
            if (text_[pos] != '[')
                continue;
            std::size_t end = matchName(pos + 1, section);
            if (end != npos && end < text_.size() && text_[end] == ']')
                return end + 1;
        }
        return npos;
    }

    // The start of the key's line in the section body, or npos.
    std::size_t findKey(std::size_t body, const char* key, std::size_t& valueStart) const
    {
        for (std::size_t pos = skipBlanks(body); pos < text_.size(); pos = nextLine(pos)) {
            if (text_[pos] == '[')
                return npos;
            std::size_t end = matchName(pos, key);
            if (end == npos)
                continue;
            while (end < text_.size() && (text_[end] == ' ' || text_[end] == '\t'))
                ++end;
            if (end < text_.size() && text_[end] == '=') {
                while (end < text_.size() && (text_[end] == '=' || text_[end] == ' ' || text_[end] == '\t'))
                    ++end;
                valueStart = end;
                return pos;
            }
        }
        return npos;
    }

    std::size_t valueEnd(std::size_t pos) const
    {
        while (pos < text_.size() && !isLineEnd(text_[pos]))
            ++pos;
        return pos;
    }

    static constexpr std::size_t npos = std::string::npos;

private:
    const std::vector<unsigned char>& text_;
};

void loadFile(IniCache& c, const char* file)
{
    c.lastSection.valid = false;
    c.name = file;
    if (!platform::readWholeFile(file, c.contents))
        c.contents.clear();
}

IniCache& select(const char* file)
{
    IniCache& c = cache();
    if (!sameName(c.name.c_str(), file))
        loadFile(c, file);
    return c;
}

std::size_t sectionBody(IniCache& c, const char* section)
{
    SectionMemo& memo = c.lastSection;
    if (!memo.valid || !sameName(memo.name.c_str(), section)) {
        memo.body = Scanner(c.contents).findSection(section);
        memo.name = section;
        memo.valid = true;
    }
    return memo.body;
}

int writeContents(const IniCache& c)
{
    return platform::writeWholeFile(c.name, c.contents.data(), c.contents.size()) == 0 ? 0 : -1;
}

void replaceRange(std::vector<unsigned char>& text, std::size_t from, std::size_t to, const std::string& with)
{
    std::vector<unsigned char> next;
    next.reserve(text.size() - (to - from) + with.size());
    next.insert(next.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(from));
    next.insert(next.end(), with.begin(), with.end());
    next.insert(next.end(), text.begin() + static_cast<std::ptrdiff_t>(to), text.end());
    text.swap(next);
}

}  // namespace

const char* iniGetString(const char* file, const char* section, const char* key)
{
    IniCache& c = select(file);
    Scanner scan(c.contents);
    std::size_t body = sectionBody(c, section);
    if (body == Scanner::npos)
        return "";
    std::size_t start = 0;
    if (scan.findKey(body, key, start) == Scanner::npos)
        return "";
    std::size_t length = std::min(scan.valueEnd(start) - start, kValueSize - 1);
    std::memcpy(c.value, c.contents.data() + start, length);
    c.value[length] = '\0';
    return c.value;
}

int iniGetInt(const char* file, const char* section, const char* key)
{
    long value = std::strtol(iniGetString(file, section, key), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

float iniGetFloat(const char* file, const char* section, const char* key)
{
    return static_cast<float>(std::strtod(iniGetString(file, section, key), nullptr));
}

int iniSetString(const char* file, const char* section, const char* key, const char* value)
{
    IniCache& c = select(file);
    c.lastSection.valid = false;  // the contents change below
    std::size_t body = Scanner(c.contents).findSection(section);
    if (body == Scanner::npos) {
        // A header always starts a line of its own.
        std::string header;
        if (!c.contents.empty() && !isLineEnd(c.contents.back()))
            header = "\r\n";
        header.append("[").append(section).append("]\r\n");
        replaceRange(c.contents, c.contents.size(), c.contents.size(), header);
        body = Scanner(c.contents).findSection(section);
    }
    Scanner scan(c.contents);
    std::size_t start = 0;
    if (scan.findKey(body, key, start) != Scanner::npos) {
        std::size_t end = scan.skipBlanks(scan.valueEnd(start));
        replaceRange(c.contents, start, end, std::string(value) + "\r\n");
    } else {
        std::size_t at = scan.skipBlanks(body);
        replaceRange(c.contents, at, at, std::string(key) + "=" + value + "\r\n");
    }
    return writeContents(c);
}

int iniSetInt(const char* file, const char* section, const char* key, int value)
{
    IniCache& c = cache();
    std::snprintf(c.value, kValueSize, "%d", value);
    std::string text = c.value;
    return iniSetString(file, section, key, text.c_str());
}

int iniSetFloat(const char* file, const char* section, const char* key, float value)
{
    IniCache& c = cache();
    std::snprintf(c.value, kValueSize, "%f", static_cast<double>(value));
    std::string text = c.value;
    return iniSetString(file, section, key, text.c_str());
}

std::vector<std::string> iniListSections(const char* file)
{
    IniCache& c = cache();
    loadFile(c, file);
    const std::vector<unsigned char>& text = c.contents;
    Scanner scan(text);
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\0'))
        ++pos;
    for (; pos < text.size(); pos = scan.nextLine(pos)) {
        if (text[pos] != '[')
            continue;
        std::size_t end = pos + 1;
        while (end < text.size() && text[end] != ']' && !isLineEnd(text[end]))
            ++end;
        names.emplace_back(text.begin() + static_cast<std::ptrdiff_t>(pos + 1),
                           text.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return names;
}

int iniClearFile(const char* file)
{
    // The cache then stands for the empty file, so a later write to the file
    // cached before cannot be made from emptied contents.
    IniCache& c = cache();
    c.name = file;
    c.contents.clear();
    c.lastSection.valid = false;
    return platform::writeWholeFile(file, "", 0) == 0 ? 0 : -1;
}

void iniRelease()
{
    // Forgetting the name too makes the next call read the file afresh
    // instead of answering from the freed (empty) contents.
    IniCache& c = cache();
    c.name.clear();
    c.contents.clear();
    c.contents.shrink_to_fit();
    c.lastSection.valid = false;
}
