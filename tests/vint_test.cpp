// Variable-length integers: lengths, both values, the dump line, unknown
// sizes, reads cut short by the end of the input, and eight-byte writing.
#include <gtest/gtest.h>

#include "codec/tarvok_vint.h"
#include "test_utils/capture.h"

namespace tarvok {
namespace {

using test::Bytes;

struct ReadCase {
  Bytes input;
  int length;
  std::uint64_t id;    // value(false)
  std::uint64_t size;  // sizeValue()
  const char* dumpLine;
};

class VintRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(VintRead, DecodesLengthValuesAndDump) {
  const ReadCase& c = GetParam();
  Input input(c.input.data(), c.input.size());
  Vint vint;
  EXPECT_EQ(vint.read(input), c.length);
  EXPECT_EQ(vint.length, c.length);
  EXPECT_EQ(vint.value(false), c.id);
  EXPECT_EQ(vint.sizeValue(), c.size);
  EXPECT_EQ(test::capture([&](std::FILE* out) { vint.dump(out); }), c.dumpLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VintRead,
    ::testing::Values(
        ReadCase{{0x81}, 1, 0x81, 1, "[vint] <1> 0x81\n"},
        ReadCase{{0x1A, 0x45, 0xDF, 0xA3}, 4, 0x1A45DFA3, 0x0A45DFA3, "[vint] <4> 0x1A45DFA3\n"},
        ReadCase{{0x40, 0x02}, 2, 0x4002, 2, "[vint] <2> 0x4002\n"},
        ReadCase{{0xEC}, 1, 0xEC, 0x6C, "[vint] <1> 0xEC\n"},
        ReadCase{{0x01, 0, 0, 0, 0, 0, 0x01, 0x00}, 8, (1ull << 56) + 256, 256, "[vint] <8> 0x0100000000000100\n"},
        // The all-ones value of a short field is a plain number.
        ReadCase{{0xFF}, 1, 0xFF, 127, "[vint] <1> 0xFF\n"},
        ReadCase{{0x7F, 0xFF}, 2, 0x7FFF, 0x3FFF, "[vint] <2> 0x7FFF\n"},
        // The end of the input reads as 0xFF, with the length from the first byte.
        ReadCase{{}, 1, 0xFF, 127, "[vint] <1> 0xFF\n"}, ReadCase{{0x42}, 2, 0x42FF, 0x02FF, "[vint] <2> 0x42FF\n"},
        // A zero byte has no length marker: it is taken alone.
        ReadCase{{0x00, 0x81}, 1, 0, 0, "[vint] <1> 0x00\n"}));

TEST(Vint, ReadLeavesTheInputJustAfterTheInteger) {
  const Bytes bytes = {0x42, 0x86, 0x81};
  Input input(bytes.data(), bytes.size());
  Vint vint;
  vint.read(input);
  EXPECT_EQ(input.position(), 2u);
  EXPECT_EQ(input.get(), 0x81);
}

TEST(Vint, ReadPastTheEndDeliversNoPosition) {
  // The reader learns of a cut-off field by the position, not by the bytes.
  const Bytes bytes = {0x1A, 0x45};
  Input input(bytes.data(), bytes.size());
  Vint vint;
  vint.read(input);
  EXPECT_EQ(vint.length, 4);
  EXPECT_EQ(input.position(), 2u);
}

TEST(Vint, AssignGivesTheSameNumberAsReading) {
  const std::uint8_t bytes[] = {0x1A, 0x45, 0xDF, 0xA3};
  Vint assigned;
  EXPECT_EQ(assigned.assign(std::begin(bytes), std::end(bytes)), 4);
  EXPECT_EQ(assigned.value(false), 0x1A45DFA3u);
  Vint counted;
  EXPECT_EQ(counted.assign(bytes, 2), 2);
  EXPECT_EQ(counted.value(false), 0x1A45u);
}

TEST(Vint, UnknownSizeIsAllOnesInFiveToEightBytes) {
  struct Case {
    Bytes field;
    bool unknown;
  };
  const Case cases[] = {
      {{0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, true},
      {{0x08, 0xFF, 0xFF, 0xFF, 0xFF}, true},
      {{0x0F, 0xFF, 0xFF, 0xFF, 0xFF}, true},
      {{0x08, 0xFF, 0xFF, 0xFF, 0xFE}, false},
      {{0x0F, 0xFF, 0xFF, 0xFF, 0xFE}, false},
      {{0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, true},
      {{0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE}, false},
      {{0x1F, 0xFF, 0xFF, 0xFF}, false},  // four bytes: a plain number
      {{0xFF}, false},
      {{0x7F, 0xFF}, false},
  };
  for (const Case& c : cases) {
    Input input(c.field.data(), c.field.size());
    Vint vint;
    vint.read(input);
    EXPECT_EQ(vint.isUnknownSize(), c.unknown) << test::capture([&](std::FILE* out) { vint.dump(out); });
  }
}

TEST(Vint, WriteSize8WritesMarkerAndLowFiftySixBits) {
  const auto written = [](std::uint64_t value) {
    return test::capture([&](std::FILE* out) { writeSize8(value, out); });
  };
  const std::string five("\x01\x00\x00\x00\x00\x00\x00\x05", 8);
  EXPECT_EQ(written(5), five);
  EXPECT_EQ(written(5 + (255ull << 56)), five);
  const std::string text = written(0x00123456789ABCDEull);
  const Bytes bytes(text.begin(), text.end());
  Input input(bytes.data(), bytes.size());
  Vint vint;
  vint.read(input);
  EXPECT_EQ(vint.length, 8);
  EXPECT_EQ(vint.sizeValue(), 0x00123456789ABCDEull);
}

}  // namespace
}  // namespace tarvok
