#pragma once
// Contact sheets of the generated data, read back from the run folder.

#include <filesystem>

namespace mkdata {

void writePreviews(const std::filesystem::path& folder);

}  // namespace mkdata
