#include "tools/mkdata/job.h"

namespace mkdata {

std::string companionName(const std::string& name)
{
    std::size_t slash = name.find_last_of('\\');
    std::string folder = slash == std::string::npos ? "" : name.substr(0, slash);
    std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    std::size_t dot = file.find_last_of('.');
    std::string stem = dot == std::string::npos ? file : file.substr(0, dot);
    return folder + "\\_" + stem + ".tga";
}

namespace {

bool endsWith(const std::string& s, const char* tail)
{
    std::string t(tail);
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

void addPicture(FileSet& out, const std::string& name, const Image& image)
{
    out.add(name, endsWith(name, ".jpg") ? encodeJpeg(overBlack(image)) : encodeTga32(image));
}

void addPictureWithCompanion(FileSet& out, const std::string& name, const Image& image)
{
    out.add(name, endsWith(name, ".jpg") ? encodeJpeg(image) : encodeTga24(image));
    out.add(companionName(name), encodeTgaGrey(image.width, image.height, alphaChannel(image)));
}

}  // namespace mkdata
