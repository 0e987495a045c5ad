#include "common/pack_format.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace brolt {
namespace {

// Builds pack bytes by hand, field by field, so that the tests don't lean on the encoder.
struct Bytes {
  std::string out;
  Bytes& I32(std::int32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    return *this;
  }
  Bytes& Str(const std::string& text) {
    out += static_cast<char>(text.size() & 0xFF);
    out += static_cast<char>((text.size() >> 8) & 0xFF);
    out += text;
    return *this;
  }
  Bytes& Raw(const std::string& data) {
    out += data;
    return *this;
  }
};

TEST(PackFormatTest, ReadsAPictureOfTenBytesStoredWithDataLengthNine) {
  std::string picture = "BM\x01\x02\x03\x04\x05\x06\x07\x08";
  Bytes pack;
  pack.I32(1).I32(0).I32(1).Str("").Str("Tileset.BMP").I32(9).Raw(picture);
  std::vector<PackEntry> entries = DecodePack(pack.out);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Parts, std::vector<std::string>{"Tileset.BMP"});
  EXPECT_EQ(entries[0].Data, picture);
  EXPECT_EQ(PackEntryPath(entries[0]), "Tileset.BMP");
}

TEST(PackFormatTest, WritesTheLeadingEmptyStringAndTheLengthLessOne) {
  Bytes expected;
  expected.I32(2).I32(0).I32(2).Str("").Str("Sounds\\").Str("boom.wav").I32(2).Raw("abc");
  expected.I32(0).I32(1).Str("").Str("empty.bmp").I32(-1);
  std::string encoded = EncodePack({{{"Sounds\\", "boom.wav"}, "abc"}, {{"empty.bmp"}, ""}});
  EXPECT_EQ(encoded, expected.out);

  std::vector<PackEntry> decoded = DecodePack(encoded);
  ASSERT_EQ(decoded.size(), 2u);
  EXPECT_EQ(decoded[0].Parts, (std::vector<std::string>{"Sounds\\", "boom.wav"}));
  EXPECT_EQ(decoded[0].Data, "abc");
  EXPECT_EQ(decoded[1].Data, "");
  EXPECT_EQ(PackEntryPath(decoded[0]), "Sounds/boom.wav");
}

TEST(PackFormatTest, RefusesEveryTruncation) {
  std::string whole = EncodePack({{{"a.bmp"}, "12345"}, {{"b", ".bmp"}, "678"}});
  ASSERT_EQ(DecodePack(whole).size(), 2u);
  for (std::size_t length = 0; length < whole.size(); ++length)
    EXPECT_THROW(DecodePack(std::string_view(whole).substr(0, length)), PackFormatError) << length;
}

TEST(PackFormatTest, RefusesNegativeAndOversizedCounts) {
  EXPECT_THROW(DecodePack(Bytes().I32(-1).out), PackFormatError);
  EXPECT_THROW(DecodePack(Bytes().I32(1).I32(0).I32(-1).Str("").I32(0).Raw("x").out), PackFormatError);
  EXPECT_THROW(DecodePack(Bytes().I32(1).I32(0).I32(1).Str("").Str("a").I32(-2).out), PackFormatError);
  EXPECT_THROW(DecodePack(Bytes().I32(1).I32(0).I32(1).Str("").Str("a").I32(1000).Raw("xy").out), PackFormatError);
  EXPECT_THROW(DecodePack(Bytes().I32(1).I32(0).I32(0x7FFFFFFF).Str("").out), PackFormatError);
  EXPECT_THROW(DecodePack(Bytes().I32(0x7FFFFFFF).out), PackFormatError);
  EXPECT_THROW(DecodePack(Bytes().I32(1).I32(0).I32(1).Str("").Str("a").I32(0x7FFFFFFF).out), PackFormatError);
  // The longest string a part can hold fits; one more byte does not.
  EXPECT_NO_THROW(EncodePack({{{std::string(65535, 'a')}, "x"}}));
  EXPECT_THROW(EncodePack({{{std::string(65536, 'a')}, "x"}}), PackFormatError);
}

TEST(PackFormatTest, JoinsPartsWithoutSeparators) {
  EXPECT_EQ(PackEntryPath({{"a", "b", "c"}, ""}), "abc");
  EXPECT_EQ(PackEntryPath({{"Sounds\\Effects\\", "boom.wav"}, ""}), "Sounds/Effects/boom.wav");
}

TEST(PackFormatTest, RefusesPathsThatLeaveTheFolderOrNameNoFile) {
  for (const std::string& path : std::vector<std::string>{"", "\\etc\\passwd", "/etc/passwd", "..\\x.bmp", "a\\..\\..\\x.bmp", "..", "a\\..",
                           "folder\\", "a\\.", std::string("a\0b", 3)})
    EXPECT_THROW(PackEntryPath({{path}, ""}), PackFormatError) << path;
  EXPECT_THROW(PackEntryPath({{}, ""}), PackFormatError);
  EXPECT_THROW(PackEntryPath({{".", ".\\x"}, ""}), PackFormatError);
  EXPECT_EQ(PackEntryPath({{"..x.bmp"}, ""}), "..x.bmp");
}

}  // namespace
}  // namespace brolt
