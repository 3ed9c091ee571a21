#include "sound/ogg_file.h"
#include "sound/sound_file.h"
#include "sound/wave_file.h"

#include "support/sound_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(CreateSoundFile, PicksTheDecoderByTheLastExtension)
{
    struct Case {
        const char* path;
        const char* kind;
    };
    const Case cases[] = {
        {"click.WAV", "wav"}, {"click.wav", "wav"}, {"a.b.WAV", "wav"}, {"theme.OGG", "ogg"},
        {"x.ogg.bak", ""},    {"noise.mp3", ""},    {"wav", ""},        {"x.wave", ""},
        {"name.", ""},        {"", ""},             {".wav", "wav"},
    };
    for (const Case& c : cases) {
        auto file = CreateSoundFile(c.path);
        const std::string kind = dynamic_cast<WaveFile*>(file.get())  ? "wav"
                                 : dynamic_cast<OggFile*>(file.get()) ? "ogg"
                                                                      : "";
        EXPECT_EQ(kind, c.kind) << c.path;
    }
}

TEST(WaveFile, ReportsTheFormatAndReadsNoMoreThanTheData)
{
    TempFolder folder;
    const Bytes pcm = countingPcm(1000);
    folder.writeBytes("s.wav", riffWave({chunk("junk", {1}), fmtChunk({1, 22050, 16}), chunk("data", pcm)}));
    WaveFile wave;
    ASSERT_EQ(wave.Open("S.wav"), 0);
    EXPECT_EQ(wave.format.nChannels, 1);
    EXPECT_EQ(wave.format.nSamplesPerSec, 22050u);
    EXPECT_EQ(wave.format.nBlockAlign, 2);
    EXPECT_EQ(wave.format.wBitsPerSample, 16);
    EXPECT_EQ(wave.dwLength, 1000u);
    Bytes out(1200, 0xee);
    EXPECT_EQ(wave.Read(out.data(), 600, false), 600u);
    EXPECT_EQ(wave.Read(out.data() + 600, 600, false), 400u);
    EXPECT_EQ(out[1000], 0xee) << "nothing past the asked count";
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), out.begin()));
    EXPECT_EQ(wave.Read(out.data(), 10, false), 0u);
    wave.Rewind();
    EXPECT_EQ(wave.Read(out.data(), 900, true), 900u);
    EXPECT_EQ(wave.Read(out.data(), 1100, true), 1100u) << "loops on from the start";
    EXPECT_EQ(out[1100], 0xee);
    EXPECT_TRUE(std::equal(pcm.begin() + 900, pcm.end(), out.begin()));
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.begin() + 1000, out.begin() + 100));
    wave.Rewind();
    EXPECT_EQ(wave.dwPos, 0u);
    EXPECT_EQ(wave.Read(out.data(), 2, false), 2u);
}

TEST(WaveFile, DamagedFilesOpenWithoutDataAndMissingOnesFail)
{
    TempFolder folder;
    const Bytes full = wavFile({2, 44100, 16}, countingPcm(64));
    const std::vector<Bytes> damaged = {
        {}, {'R', 'I', 'F', 'F'}, Bytes(full.begin(), full.begin() + 30), Bytes(100, 0x41),
        riffWave({fmtChunk({2, 44100, 16})}),
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        folder.writeBytes("bad.wav", damaged[i]);
        WaveFile wave;
        EXPECT_EQ(wave.Open("bad.wav"), 0) << i;
        Bytes out(64);
        EXPECT_EQ(wave.dwLength, 0u) << i;
        EXPECT_EQ(wave.Read(out.data(), 64, true), 0u) << i;
    }
    WaveFile wave;
    EXPECT_EQ(wave.Open("missing.wav"), SOUNDFILE_CANNOT_OPEN);
    const Bytes cut(full.begin(), full.end() - 20);
    folder.writeBytes("cut.wav", cut);
    ASSERT_EQ(wave.Open("cut.wav"), 0);
    EXPECT_EQ(wave.dwLength, 44u) << "the data chunk is cut to the file";
}

class OggFileTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(OggFileTest, ReportsLengthAndFormatOfMonoAndStereo)
{
    for (int channels : {1, 2}) {
        folder.writeBytes("t.ogg", oggTone(channels, 22050, 5000));
        OggFile ogg;
        ASSERT_EQ(ogg.Open("t.ogg"), 0);
        EXPECT_EQ(ogg.dwLength, 5000u * 2 * channels);
        EXPECT_EQ(ogg.format.nBlockAlign, 2 * channels);
        EXPECT_EQ(ogg.format.nAvgBytesPerSec, 22050u * 2 * channels);
        EXPECT_EQ(ogg.format.wFormatTag, WAVE_FORMAT_PCM);
        EXPECT_EQ(ogg.format.wBitsPerSample, 16);
    }
}

TEST_F(OggFileTest, LoopingReadGoesOnFromTheStartAndPlainReadZeroFills)
{
    folder.writeBytes("t.ogg", oggTone(1, 44100, 3000));
    OggFile ogg;
    ASSERT_EQ(ogg.Open("t.ogg"), 0);
    Bytes whole(6000);
    ASSERT_EQ(ogg.Read(whole.data(), 6000, false), 6000u);
    ogg.Rewind();
    Bytes looped(10000, 0xee);
    ASSERT_EQ(ogg.Read(looped.data(), 5000, false), 5000u);
    EXPECT_EQ(ogg.Read(looped.data() + 5000, 5000, true), 5000u);
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), looped.begin()));
    EXPECT_TRUE(std::equal(whole.begin(), whole.begin() + 4000, looped.begin() + 6000)) << "seamless";
    Bytes tail(3000, 0xee);
    EXPECT_EQ(ogg.Read(tail.data(), 3000, false), 2000u);
    EXPECT_TRUE(std::all_of(tail.begin() + 2000, tail.end(), [](unsigned char b) { return b == 0; }));
    Bytes many(20000, 0xee);
    ogg.Rewind();
    EXPECT_EQ(ogg.Read(many.data(), 20000, true), 20000u) << "a buffer longer than the stream";
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), many.begin() + 18000 - 6000 * 2));
}

TEST_F(OggFileTest, RefusesOtherFilesAndReopens)
{
    OggFile ogg;
    EXPECT_EQ(ogg.Open("none.ogg"), SOUNDFILE_CANNOT_OPEN);
    folder.writeBytes("junk.ogg", Bytes(500, 7));
    EXPECT_EQ(ogg.Open("junk.ogg"), SOUNDFILE_NOT_OGG);
    folder.writeBytes("a.ogg", oggTone(2, 44100, 1000));
    folder.writeBytes("b.ogg", oggTone(1, 8000, 2000));
    ASSERT_EQ(ogg.Open("a.ogg"), 0);
    ASSERT_EQ(ogg.Open("b.ogg"), 0);
    EXPECT_EQ(ogg.dwLength, 4000u);
    Bytes out(100, 0xee);
    EXPECT_EQ(ogg.Read(out.data(), 100, true), 100u);
}

TEST_F(OggFileTest, DamagedStreamEndsWithoutSpinning)
{
    Bytes file = oggTone(2, 44100, 176400);
    ASSERT_GT(file.size(), 8000u);
    for (std::size_t i = file.size() / 2; i < file.size() / 2 + 300; ++i)
        file[i] ^= 0x5a;
    folder.writeBytes("d.ogg", file);
    OggFile ogg;
    ASSERT_EQ(ogg.Open("d.ogg"), 0);
    Bytes out(65536);
    std::uint64_t total = 0;
    for (int pass = 0; pass < 20; ++pass)
        total += ogg.Read(out.data(), 65536, true);
    EXPECT_GT(total, 0u);
    const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() / 2));
    folder.writeBytes("cut.ogg", cut);
    OggFile half;
    if (half.Open("cut.ogg") == 0)
        for (int pass = 0; pass < 20; ++pass)
            half.Read(out.data(), 65536, true);
}
