#include "foundation/binary_fields.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes u16(int value)
{
    BinaryOut out;
    writeU16(value, out);
    return out.bytes();
}

Bytes u24(int value)
{
    BinaryOut out;
    writeU24(value, out);
    return out.bytes();
}

TEST(BinaryFields, WritesBigEndianNumbersClamped)
{
    EXPECT_EQ(u16(65536), (Bytes {0xff, 0xff}));
    EXPECT_EQ(u16(2147483647), (Bytes {0xff, 0xff}));
    EXPECT_EQ(u16(-5), (Bytes {0, 0}));
    EXPECT_EQ(u16(258), (Bytes {1, 2}));
    EXPECT_EQ(u24(65536), (Bytes {1, 0, 0}));
    EXPECT_EQ(u24(-1), (Bytes {0, 0, 0}));
    EXPECT_EQ(u24(0x12345678), (Bytes {0x34, 0x56, 0x78}));
}

TEST(BinaryFields, ReadsWhatWasWritten)
{
    BinaryOut out;
    writeString("GEM", out);
    writeU16(40000, out);
    writeU24(16777215, out);
    BinaryIn in(out.bytes());
    EXPECT_EQ(readString(in), "GEM");
    EXPECT_EQ(readU16(in), 40000);
    EXPECT_EQ(readU24(in), 16777215);
    EXPECT_FALSE(in.overrun());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(BinaryFields, ReadStringStopsAfterItsNul)
{
    Bytes bytes {'a', 'b', 0, 'c'};
    BinaryIn in(bytes);
    EXPECT_EQ(readString(in), "ab");
    EXPECT_EQ(in.readByte(), 'c');
}

TEST(BinaryFields, ReadStringTakesAtMost256Characters)
{
    Bytes bytes(300, 'x');
    BinaryIn in(bytes);
    EXPECT_EQ(readString(in), std::string(256, 'x'));
    EXPECT_EQ(in.position(), 256u);
    EXPECT_FALSE(in.overrun());
}

TEST(BinaryFields, ReadingPastTheEndGivesWhatWasThereAndFlagsIt)
{
    Bytes bytes {'h', 'i'};
    BinaryIn in(bytes);
    EXPECT_EQ(readString(in), "hi");
    EXPECT_TRUE(in.overrun());
    Bytes one {7};
    BinaryIn shortNumber(one);
    EXPECT_EQ(readU16(shortNumber), 7 << 8);
    EXPECT_TRUE(shortNumber.overrun());
    BinaryIn skipping(one);
    skipping.skip(5);
    EXPECT_TRUE(skipping.overrun());
    EXPECT_EQ(skipping.remaining(), 0u);
}

TEST(BinaryFields, FileExistsNeedsANameAndAFile)
{
    TempFolder folder;
    folder.write("Data/x.map", "m");
    EXPECT_FALSE(fileExists(""));
    EXPECT_TRUE(fileExists("data\\X.MAP"));
    EXPECT_FALSE(fileExists("data\\y.map"));
    EXPECT_FALSE(fileExists("data"));
}

}  // namespace
