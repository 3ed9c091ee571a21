#include "platform/wave_riff.h"

#include "support/sound_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(RiffReader, FindsChunksWhereverTheyStandAndSkipsPadBytes)
{
    TempFolder folder;
    const Bytes odd {1, 2, 3};
    folder.writeBytes("a.wav", riffWave({chunk("LIST", {'I', 'N', 'F', 'O'}), chunk("junk", odd),
                                         chunk("data", {9, 8, 7, 6}), fmtChunk({1, 8000, 8})}));
    RiffReader reader;
    ASSERT_TRUE(reader.open("A.WAV"));
    RiffChunk riff;
    ASSERT_EQ(reader.descend(riff, nullptr, false), 0);
    EXPECT_EQ(riff.id, riffId("RIFF"));
    EXPECT_EQ(riff.formType, riffId("WAVE"));
    RiffChunk fmt;
    fmt.id = riffId("fmt ");
    ASSERT_EQ(reader.descend(fmt, &riff, true), 0);
    EXPECT_EQ(fmt.size, 16u);
    reader.seek(riff.dataOffset + 4);
    RiffChunk data;
    data.id = riffId("data");
    ASSERT_EQ(reader.descend(data, &riff, true), 0);
    unsigned char bytes[8] = {};
    EXPECT_EQ(reader.read(bytes, data.size), 4u);
    EXPECT_EQ(bytes[0], 9);
    EXPECT_EQ(bytes[3], 6);
    reader.seek(riff.dataOffset + 4);
    RiffChunk missing;
    missing.id = riffId("cue ");
    EXPECT_EQ(reader.descend(missing, &riff, true), kRiffErrChunkNotFound);
}

TEST(RiffReader, CutsLyingSizesToTheFile)
{
    TempFolder folder;
    Bytes file = wavFile({2, 44100, 16}, Bytes(40, 1));
    file[file.size() - 44] = 0xff;  // the data chunk's size claims about 4 GB
    file[file.size() - 43] = 0xff;
    file[file.size() - 42] = 0xff;
    file[file.size() - 41] = 0x7f;
    folder.writeBytes("lie.wav", file);
    RiffReader reader;
    ASSERT_TRUE(reader.open("lie.wav"));
    RiffChunk riff;
    ASSERT_EQ(reader.descend(riff, nullptr, false), 0);
    reader.seek(riff.dataOffset + 4);
    RiffChunk data;
    data.id = riffId("data");
    ASSERT_EQ(reader.descend(data, &riff, true), 0);
    EXPECT_EQ(data.size, 40u);
    std::vector<unsigned char> big(100);
    EXPECT_EQ(reader.read(big.data(), 100), 40u);
    EXPECT_EQ(reader.read(big.data(), 100), 0u);
}

TEST(RiffReader, TruncatedHeadersFail)
{
    TempFolder folder;
    folder.writeBytes("short.wav", {'R', 'I', 'F', 'F', 4});
    RiffReader reader;
    ASSERT_TRUE(reader.open("short.wav"));
    RiffChunk riff;
    EXPECT_NE(reader.descend(riff, nullptr, false), 0);
    EXPECT_FALSE(reader.open("none.wav"));
}
