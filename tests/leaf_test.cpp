// Leaf elements: the values of every type as printed, data cut short by the
// end of the file, and the written sizes.
#include <gtest/gtest.h>

#include "codec/tarvok_dictionary.h"
#include "test_utils/capture.h"
#include "tree/tarvok_primitives.h"
#include "tree/tarvok_strings.h"

namespace tarvok {
namespace {

using test::Bytes;

const Definition* entry(const char* name) { return Dictionary::instance().findByName(name); }

// Reads one leaf of the named element from data (of declared size, by
// default all of data) and returns its printed line.
std::string leafLine(const char* name, const Bytes& data, std::uint64_t size) {
  Input input(data.data(), data.size());
  const Definition* definition = entry(name);
  return test::capture([&](std::FILE* out) {
    if (definition->type == STRING || definition->type == UTF8 || definition->type == BINARY) {
      Strings(definition, input, size).print(out);
    } else {
      Primitives(definition, input, size).print(out);
    }
  });
}

struct LeafCase {
  const char* name;
  Bytes data;
  const char* line;
  std::int64_t declared = -1;  // -1: the data's own length
};

class LeafValue : public ::testing::TestWithParam<LeafCase> {};

TEST_P(LeafValue, PrintsHeaderAndValue) {
  const LeafCase& c = GetParam();
  const std::uint64_t size = c.declared < 0 ? c.data.size() : static_cast<std::uint64_t>(c.declared);
  EXPECT_EQ(leafLine(c.name, c.data, size), c.line);
}

const Bytes eightFF(8, 0xFF);

INSTANTIATE_TEST_SUITE_P(
    Values, LeafValue,
    ::testing::Values(
        LeafCase{"EBMLVersion", {0x01}, "                     EBMLVersion(    uint):1"},
        LeafCase{"ReferenceBlock", {0xDF}, "                  ReferenceBlock(     int):-33"},
        LeafCase{"TrackOffset", {0xFF, 0x38}, "                     TrackOffset(     int):-200"},
        LeafCase{
            "SamplingFrequency", {0x47, 0x3B, 0x80, 0x00}, "               SamplingFrequency(   float):48000.000000"},
        LeafCase{
            "Duration", {0x40, 0xA7, 0x70, 0, 0, 0, 0, 0}, "                        Duration(   float):3000.000000"},
        LeafCase{"DateUTC",
                 {0x08, 0x51, 0xF4, 0xFE, 0xA8, 0x55, 0x00, 0x00},
                 "                         DateUTC(    date):599529600000000000"},
        LeafCase{"DocType", {0x77, 0x65, 0x62, 0x6D}, "                         DocType(  string):\"webm\""},
        LeafCase{"Title",
                 {0x48, 0x6F, 0x6C, 0x69, 0x64, 0x61, 0x79},
                 "                           Title(    utf8):\"Holiday\""},
        LeafCase{"SimpleBlock", {0x81, 0x00, 0x00, 0x80}, "                     SimpleBlock(  binary):"},
        // INT
        LeafCase{"ReferenceBlock", {0x7F}, "                  ReferenceBlock(     int):127"},
        LeafCase{"ReferenceBlock", {0x80, 0x00, 0x00}, "                  ReferenceBlock(     int):-8388608"},
        LeafCase{"ReferenceBlock", eightFF, "                  ReferenceBlock(     int):-1"},
        LeafCase{"ReferenceBlock", {}, "                  ReferenceBlock(     int):0"},
        // UINT: only the last eight of more bytes count
        LeafCase{"EBMLVersion", {0xFF}, "                     EBMLVersion(    uint):255"},
        LeafCase{"EBMLVersion", eightFF, "                     EBMLVersion(    uint):18446744073709551615"},
        LeafCase{"EBMLVersion", {0x01, 0, 0, 0, 0, 0, 0, 0, 0x05}, "                     EBMLVersion(    uint):5"},
        LeafCase{"DateUTC", eightFF, "                         DateUTC(    date):18446744073709551615"},
        // FLOAT
        LeafCase{"Duration", {}, "                        Duration(   float):0.000000"},
        LeafCase{"Duration", {0x3F, 0x80, 0x00, 0x00}, "                        Duration(   float):1.000000"},
        LeafCase{
            "Duration", {0xC0, 0xA7, 0x70, 0, 0, 0, 0, 0}, "                        Duration(   float):-3000.000000"},
        // Data cut short by the end of the file reads as all bits set.
        LeafCase{"EBMLVersion", {0x01}, "                     EBMLVersion(    uint):18446744073709551615", 2},
        LeafCase{"ReferenceBlock", {}, "                  ReferenceBlock(     int):-1", 1},
        LeafCase{"Duration", {0x3F}, "                        Duration(   float):-nan", 4},
        LeafCase{"EBMLVersion", {0x01, 0x02}, "                     EBMLVersion(    uint):18446744073709551615", 12},
        // STRING: a zero ends the text; quotes are not escaped.
        LeafCase{
            "DocType", {0x77, 0x65, 0x62, 0x6D, 0x00, 0x00}, "                         DocType(  string):\"webm\""},
        LeafCase{"DocType", {}, "                         DocType(  string):\"\""},
        LeafCase{"DocType", {0x61, 0x22, 0x62}, "                         DocType(  string):\"a\"b\""},
        // A string cut short holds the bytes the file has, and nothing invented.
        LeafCase{"DocType", {0x77, 0x65}, "                         DocType(  string):\"we\"", 4},
        LeafCase{"DocType", {0x77}, "                         DocType(  string):\"w\"", 256 * 1024 * 1024}));

TEST(Strings, HoldsOnlyTheBytesTheFileHas) {
  const Bytes data = {0x61, 0x62, 0x63};
  Input input(data.data(), data.size());
  const Strings text(entry("Title"), input, 1ull << 40);
  EXPECT_EQ(text.size(), 3u);
  EXPECT_STREQ(text.text(), "abc");
  EXPECT_EQ(text.byteAt(3), 0);
  EXPECT_EQ(input.position(), 3u);
}

TEST(Strings, BinaryDataIsPassedOverNotKept) {
  const Bytes data(100, 0xAB);
  Input input(data.data(), data.size());
  const Strings block(entry("SimpleBlock"), input, 60);
  EXPECT_EQ(block.size(), 60u);
  EXPECT_STREQ(block.text(), "");
  EXPECT_EQ(input.position(), 60u);
}

TEST(Primitives, LeavesTheInputAfterItsData) {
  const Bytes data = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0xEE};
  Input input(data.data(), data.size());
  const Primitives number(entry("EBMLVersion"), input, 10);
  EXPECT_EQ(number.uintValue(), 0x030405060708090Aull);
  EXPECT_EQ(input.get(), 0xEE);
}

TEST(Primitives, AccessorsReadOneCellThreeWays) {
  const Bytes data = {0x3F, 0xF0, 0, 0, 0, 0, 0, 0};
  Input input(data.data(), data.size());
  Primitives number(entry("Duration"), input, 8);
  EXPECT_EQ(number.doubleValue(), 1.0);
  EXPECT_EQ(number.uintValue(), 0x3FF0000000000000ull);
  number.setIntValue(-2);
  EXPECT_EQ(number.uintValue(), 0xFFFFFFFFFFFFFFFEull);
  number.setUintValue(7);
  EXPECT_EQ(number.intValue(), 7);
  number.setDoubleValue(0.5);
  EXPECT_EQ(number.doubleValue(), 0.5);
}

TEST(Leaves, WrittenSizesCountEightByteSizeFields) {
  const Bytes webm = {0x77, 0x65, 0x62, 0x6D};
  Input text(webm.data(), webm.size());
  const Strings docType(entry("DocType"), text, 4);
  EXPECT_EQ(docType.payloadSize(), 4u);
  EXPECT_EQ(docType.encodedSize(), 14u);
  const Bytes one = {0x01};
  Input number(one.data(), one.size());
  const Primitives version(entry("EBMLVersion"), number, 1);
  EXPECT_EQ(version.payloadSize(), 8u);
  EXPECT_EQ(version.encodedSize(), 18u);
}

}  // namespace
}  // namespace tarvok
