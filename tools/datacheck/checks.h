#pragma once
// Checks of single data files in the current folder (the run folder), each
// returning the problems it found in words; empty means the file is sound.

#include "tools/datacheck/expected_files.h"

#include <string>
#include <vector>

namespace datacheck {

using Problems = std::vector<std::string>;

Problems checkExpected(const Expected& expected);
// The sound bank: every section the program plays names files that decode
// as 16-bit PCM WAV (or Ogg Vorbis), do not clip, and can be heard.
Problems checkSoundBank(int& filesChecked);
// The music list: both tracks decode as Ogg Vorbis and last a minute or more.
Problems checkMusic(int& filesChecked);

}  // namespace datacheck
