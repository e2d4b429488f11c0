// The child reader and the printing of containers: the dump of whole files
// written inline, byte by byte.
#include <gtest/gtest.h>

#include "test_utils/capture.h"
#include "tree/tarvok_master.h"

namespace tarvok {
namespace {

using test::Bytes;
using test::dump;
using test::header;
using test::join;
using test::kOverrun;

// The worked example: an EBML header and a Cluster with three SimpleBlocks.
const Bytes kEbmlHeader = {
    0x1A, 0x45, 0xDF, 0xA3, 0x8F,              // EBML, 15 bytes
    0x42, 0x86, 0x81, 0x01,                    //   EBMLVersion 1
    0x42, 0xF7, 0x81, 0x01,                    //   EBMLReadVersion 1
    0x42, 0x82, 0x84, 0x77, 0x65, 0x62, 0x6D,  //   DocType "webm"
};
const Bytes kTimecode = {0xE7, 0x81, 0x00};                 // Timecode 0
const Bytes kBlock = {0xA3, 0x84, 0x81, 0x00, 0x00, 0x80};  // SimpleBlock, 4 bytes
const Bytes kClusterOf21 = {0x1F, 0x43, 0xB6, 0x75, 0x95};  // Cluster, 21 bytes

TEST(Master, PrintsTheWorkedExample) {
  const Bytes file = join({kEbmlHeader, kClusterOf21, kTimecode, kBlock, kBlock, kBlock});
  ASSERT_EQ(file.size(), 46u);
  EXPECT_EQ(dump(file, "clip.webm"),
            "[clip.webm]\n"
            "\n"
            "                            EBML(  master):\n"
            "                     EBMLVersion(    uint):1\n"
            "                 EBMLReadVersion(    uint):1\n"
            "                         DocType(  string):\"webm\"\n"
            "\n"
            "                         Cluster(  master):\n"
            "                        Timecode(    uint):0\n"
            "                     SimpleBlock(  binary):...x3\n"
            "\n");
}

TEST(Master, EmptyInputPrintsNothing) { EXPECT_EQ(dump({}), ""); }

TEST(Master, EmptyContainerIsItsHeaderAndAnEmptyLine) {
  EXPECT_EQ(dump({0x1F, 0x43, 0xB6, 0x75, 0x80}), "[t.webm]\n\n" + header("Cluster", "master") + "\n\n");
}

TEST(Master, UnknownElementIsReportedAndSkipped) {
  const Bytes file = join({{0x1F, 0x43, 0xB6, 0x75, 0x89},        // Cluster, 9 bytes
                           {0x4A, 0xBC, 0x83, 0x01, 0x02, 0x03},  //   unknown 4ABC, 3 bytes
                           kTimecode});
  EXPECT_EQ(dump(file),
            "unknown element fonud in <Cluster>\n"
            "ignore(3 bytes).[vint] <2> 0x4ABC\n"
            "[t.webm]\n\n" +
                header("Cluster", "master") + "\n" + header("Timecode", "uint") + "0\n\n");
}

TEST(Master, UnknownElementAtTopLevelNamesThePath) {
  const Bytes file = {0x4A, 0xBC, 0x81, 0x00, 0x1F, 0x43, 0xB6, 0x75, 0x80};
  EXPECT_EQ(dump(file, "notes.txt"),
            "unknown element fonud in <notes.txt>\n"
            "ignore(1 bytes).[vint] <2> 0x4ABC\n"
            "[notes.txt]\n\n" +
                header("Cluster", "master") + "\n\n");
}

TEST(Master, TextFileIsOneUnknownElementCutShort) {
  const std::string text = "hello world\n";
  EXPECT_EQ(dump(Bytes(text.begin(), text.end()), "notes.txt"),
            "unknown element fonud in <notes.txt>\n"
            "ignore(11372 bytes).[vint] <2> 0x6865\n" +
                kOverrun);
}

TEST(Master, OverrunningChildStaysAndEndsItsContainer) {
  // Cluster of 5 bytes; the SimpleBlock runs 4 bytes past its end. The root
  // then counts the Cluster as 10 bytes, finds the file spent with 4 bytes of
  // its budget left, and reports as well.
  const Bytes file = join({{0x1F, 0x43, 0xB6, 0x75, 0x85}, kTimecode, kBlock});
  EXPECT_EQ(dump(file), kOverrun + kOverrun + "[t.webm]\n\n" + header("Cluster", "master") + "\n" +
                            header("Timecode", "uint") + "0\n" + header("SimpleBlock", "binary") + "...x1\n\n");
}

TEST(Master, FileEndingInsideAContainerStopsItWithAReport) {
  // Segment of 16 bytes with only an empty Info in the file: the Segment
  // reports the cut, and the root the Segment's overrun.
  const Bytes file = {0x18, 0x53, 0x80, 0x67, 0x90, 0x15, 0x49, 0xA9, 0x66, 0x80};
  EXPECT_EQ(dump(file), kOverrun + kOverrun + "[t.webm]\n\n" + header("Segment", "master") + "\n" +
                            header("Info", "master") + "\n\n\n");
}

TEST(Master, FileEndingInsideAnIdOrSizeStopsTheContainer) {
  const Bytes cases[] = {
      join({{0x1F, 0x43, 0xB6, 0x75, 0x88}, kTimecode, {0x42, 0x86, 0x81}}),  // EBMLVersion without data
      join({{0x1F, 0x43, 0xB6, 0x75, 0x88}, kTimecode, {0x1A, 0x45}}),        // inside an ID
      join({{0x1F, 0x43, 0xB6, 0x75, 0x88}, kTimecode, {0xA3, 0x40}}),        // inside a size
  };
  const std::string tree = "[t.webm]\n\n" + header("Cluster", "master") + "\n" + header("Timecode", "uint") + "0\n";
  EXPECT_EQ(dump(cases[0]), kOverrun + kOverrun + tree + header("EBMLVersion", "uint") + "18446744073709551615\n\n");
  EXPECT_EQ(dump(cases[1]), kOverrun + kOverrun + tree + "\n");
  EXPECT_EQ(dump(cases[2]), kOverrun + kOverrun + tree + "\n");
}

TEST(Master, ZeroByteWhereAnIntegerBeginsStopsTheContainer) {
  // An EBML header followed by zero-filled space: one report, not a million
  // empty elements.
  EXPECT_EQ(dump(join({{0x1A, 0x45, 0xDF, 0xA3, 0x80}, Bytes(4096, 0)})),
            kOverrun + "[t.webm]\n\n" + header("EBML", "master") + "\n\n");
  // Inside a Cluster, in an ID and in a size field: the Cluster stops, its
  // parent goes on after the zero byte.
  const Bytes inId = join({{0x1F, 0x43, 0xB6, 0x75, 0x84}, kTimecode, {0x00}, {0xEC, 0x80}});
  EXPECT_EQ(dump(inId), kOverrun + "[t.webm]\n\n" + header("Cluster", "master") + "\n" + header("Timecode", "uint") +
                            "0\n\n" + header("Void", "binary") + "...x1\n");
  const Bytes inSize = {0x1F, 0x43, 0xB6, 0x75, 0x82, 0xE7, 0x00};
  EXPECT_EQ(dump(inSize), kOverrun + "[t.webm]\n\n" + header("Cluster", "master") + "\n\n");
}

TEST(Master, AllOnesInAShortSizeFieldIsAPlainNumber) {
  const Bytes file = join({{0xEC, 0xFF}, Bytes(127, 0), {0xEC, 0x7F, 0xFF}, Bytes(16383, 0)});
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + header("Void", "binary") + "...x2\n");
}

TEST(Master, SizesAboveThirtyTwoBitsArePrintedWhole) {
  // An unknown element claiming 2^34 + 5 bytes in a file of 7.
  const Bytes file = {0x4A, 0xBC, 0x0C, 0x00, 0x00, 0x00, 0x05};
  EXPECT_EQ(dump(file),
            "unknown element fonud in <t.webm>\n"
            "ignore(17179869189 bytes).[vint] <2> 0x4ABC\n" +
                kOverrun);
}

TEST(Master, FoldsRunsOfBinaryChildren) {
  const Bytes crc = {0xBF, 0x81, 0x00};
  const Bytes voidOne = {0xEC, 0x80};
  const Bytes children = join({crc, voidOne, kTimecode, kBlock, kTimecode, kBlock, kBlock});
  Bytes file = {0x1F, 0x43, 0xB6, 0x75, static_cast<std::uint8_t>(0x80 | children.size())};
  file.insert(file.end(), children.begin(), children.end());
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + header("Cluster", "master") + "\n" + header("CRC-32", "binary") + "...x2\n" +
                            header("Timecode", "uint") + "0\n" + header("SimpleBlock", "binary") + "...x1\n" +
                            header("Timecode", "uint") + "0\n" + header("SimpleBlock", "binary") + "...x2\n\n");
}

TEST(Master, BlockGroupPrintsItsBlockAsARunOfOne) {
  const Bytes file = {0xA0, 0x88,                    // BlockGroup, 8 bytes
                      0xA1, 0x83, 0x81, 0x00, 0x00,  //   Block, 3 bytes
                      0x9B, 0x81, 0x28};             //   BlockDuration 40
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + header("BlockGroup", "master") + "\n" + header("Block", "binary") + "...x1\n" +
                            header("BlockDuration", "uint") + "40\n\n");
}

// Nested BlockGroups, each with an eight-byte size field.
Bytes nested(int levels) {
  Bytes file;
  for (int level = 0; level < levels; ++level) {
    const auto inner = static_cast<std::uint64_t>(9 * (levels - level - 1));
    file.insert(file.end(),
                {0xA0, 0x01, 0, 0, 0, 0, 0, static_cast<std::uint8_t>(inner >> 8), static_cast<std::uint8_t>(inner)});
  }
  return file;
}

TEST(Master, DepthIsBoundedWithOneReport) {
  // A BlockGroup at depth 256 keeps no children; its data is passed over.
  std::string lines;
  for (int i = 0; i < Master::kMaxDepth; ++i) lines += header("BlockGroup", "master") + "\n";
  EXPECT_EQ(dump(nested(300)),
            "[report] tarvok_master.cpp(     256)\n[t.webm]\n\n" + lines + std::string(Master::kMaxDepth, '\n'));
  EXPECT_EQ(dump(nested(255)).find("[report]"), std::string::npos);
}

TEST(Master, RootGivesAccessToTheTreeAndItsWrittenSize) {
  const Bytes file = join({kEbmlHeader, kClusterOf21, kTimecode, kBlock, kBlock, kBlock});
  Input input(file.data(), file.size());
  std::FILE* sink = std::tmpfile();
  const Master root(input, "clip.webm", sink);
  std::fclose(sink);
  ASSERT_EQ(root.childCount(), 2);
  EXPECT_EQ(root.child(1)->definition()->name, "Cluster");
  EXPECT_EQ(static_cast<const Master*>(root.child(1))->childCount(), 4);
  // EBML: 18 + 18 + 14 + 12; Cluster: 17 + 3 * 13 + 12.
  EXPECT_EQ(root.payloadSize(), 62u + 68u);
}

}  // namespace
}  // namespace tarvok
