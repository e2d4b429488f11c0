// Elements of unknown size, as live recorders write them: where they end,
// how their container counts them, and that they report nothing at the end
// of the file.
#include <gtest/gtest.h>

#include "test_utils/capture.h"

namespace tarvok {
namespace {

using test::Bytes;
using test::dump;
using test::header;
using test::join;
using test::kOverrun;

const Bytes kUnknown8 = {0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};    // unknown size, 8 bytes
const Bytes kUnknown5 = {0x08, 0xFF, 0xFF, 0xFF, 0xFF};                      // unknown size, 5 bytes
const Bytes kEbml = {0x1A, 0x45, 0xDF, 0xA3, 0x84, 0x42, 0x86, 0x81, 0x01};  // EBML { EBMLVersion 1 }
const Bytes kSegment = {0x18, 0x53, 0x80, 0x67};
const Bytes kCluster = {0x1F, 0x43, 0xB6, 0x75};
const Bytes kInfo = {0x15, 0x49, 0xA9, 0x66, 0x84, 0x4D, 0x80, 0x81, 0x61};  // Info { MuxingApp "a" }
const Bytes kTracks = {0x16, 0x54, 0xAE, 0x6B, 0x82, 0xAE, 0x80};            // Tracks { TrackEntry {} }
const Bytes kBlock = {0xA3, 0x82, 0x81, 0x00};

Bytes cluster(std::uint8_t time, int blocks) {
  Bytes bytes = join({kCluster, kUnknown8, {0xE7, 0x81, time}});
  for (int i = 0; i < blocks; ++i) bytes.insert(bytes.end(), kBlock.begin(), kBlock.end());
  return bytes;
}

std::string clusterLines(int time, int blocks) {
  return header("Cluster", "master") + "\n" + header("Timecode", "uint") + std::to_string(time) + "\n" +
         header("SimpleBlock", "binary") + "...x" + std::to_string(blocks) + "\n\n";
}

const std::string kEbmlLines = header("EBML", "master") + "\n" + header("EBMLVersion", "uint") + "1\n\n";
const std::string kHeadLines = header("Info", "master") + "\n" + header("MuxingApp", "utf8") + "\"a\"\n\n" +
                               header("Tracks", "master") + "\n" + header("TrackEntry", "master") + "\n\n\n";

TEST(SizeUnknown, LiveRecordingIsOneSegmentWithSiblingClusters) {
  const Bytes file = join({kEbml, kSegment, kUnknown8, kInfo, kTracks, cluster(0, 3), cluster(1, 2), cluster(2, 1)});
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + kEbmlLines + header("Segment", "master") + "\n" + kHeadLines +
                            clusterLines(0, 3) + clusterLines(1, 2) + clusterLines(2, 1) + "\n");
}

TEST(SizeUnknown, EbmlHeaderEndsTheSegmentOfAChainedRecording) {
  const Bytes part = join({kEbml, kSegment, kUnknown5, cluster(7, 1)});
  const std::string partLines = kEbmlLines + header("Segment", "master") + "\n" + clusterLines(7, 1) + "\n";
  EXPECT_EQ(dump(join({part, part})), "[t.webm]\n\n" + partLines + partLines);
}

TEST(SizeUnknown, KnownSizeContainerBoundsItsUnknownSizeChild) {
  // Segment of 17 bytes holding a Cluster of unknown size, then a Void at the top.
  const Bytes clusterBytes = cluster(4, 1);
  ASSERT_EQ(clusterBytes.size(), 19u);
  Bytes file = join({kSegment, {0x80 | 19}, clusterBytes, {0xEC, 0x80}});
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + header("Segment", "master") + "\n" + clusterLines(4, 1) + "\n" +
                            header("Void", "binary") + "...x1\n");
}

TEST(SizeUnknown, EndOfFileIsTheNormalEndEvenInsideTheNextField) {
  const Bytes whole = join({kSegment, kUnknown8, cluster(0, 1)});
  const std::string lines = "[t.webm]\n\n" + header("Segment", "master") + "\n" + clusterLines(0, 1) + "\n";
  EXPECT_EQ(dump(whole), lines);
  EXPECT_EQ(dump(join({whole, {0xA3}})), lines);        // inside an ID...
  EXPECT_EQ(dump(join({whole, {0x1F, 0x43}})), lines);  // ...a longer one...
  EXPECT_EQ(dump(join({whole, {0xA3, 0x40}})), lines);  // ...and a size field
}

TEST(SizeUnknown, ChaptersEndAClusterThoughTheDictionaryLacksThem) {
  const Bytes chapters = {0x10, 0x43, 0xA7, 0x70, 0x80};
  const Bytes file = join({kSegment, kUnknown8, cluster(0, 1), chapters, cluster(1, 1)});
  EXPECT_EQ(dump(file), "unknown element fonud in <Segment>\nignore(0 bytes).[vint] <4> 0x1043A770\n[t.webm]\n\n" +
                            header("Segment", "master") + "\n" + clusterLines(0, 1) + clusterLines(1, 1) + "\n");
}

TEST(SizeUnknown, BlockGroupInsideAClusterIsNotABoundary) {
  const Bytes group = {0xA0, 0x84, 0xA1, 0x82, 0x81, 0x00};
  const Bytes file = join({kCluster, kUnknown8, group, group});
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + header("Cluster", "master") + "\n" + header("BlockGroup", "master") + "\n" +
                            header("Block", "binary") + "...x1\n\n" + header("BlockGroup", "master") + "\n" +
                            header("Block", "binary") + "...x1\n\n\n");
}

TEST(SizeUnknown, LeafAndUnknownElementRunToTheEndOfTheirContainer) {
  // Cluster of 30 bytes: Timecode, a SimpleBlock of unknown size, then a Void
  // after the Cluster.
  const Bytes file =
      join({kCluster, {0x80 | 30}, {0xE7, 0x81, 0x00}, {0xA3}, kUnknown8, Bytes(18, 0xAA), {0xEC, 0x80}});
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + header("Cluster", "master") + "\n" + header("Timecode", "uint") + "0\n" +
                            header("SimpleBlock", "binary") + "...x1\n\n" + header("Void", "binary") + "...x1\n");
  const Bytes unknownElement = join({kCluster, {0x80 | 12}, {0x4A, 0xBC}, kUnknown5, Bytes(5, 0xAA), {0xEC, 0x80}});
  EXPECT_EQ(dump(unknownElement),
            "unknown element fonud in <Cluster>\nignore(5 bytes).[vint] <2> 0x4ABC\n[t.webm]\n\n" +
                header("Cluster", "master") + "\n\n" + header("Void", "binary") + "...x1\n");
  // At the top of a file, to the end of the file.
  EXPECT_EQ(dump(join({{0x4A, 0xBC}, kUnknown8, Bytes(1000, 0)})),
            "unknown element fonud in <t.webm>\nignore(1000 bytes).[vint] <2> 0x4ABC\n");
}

TEST(SizeUnknown, NumberOfUnknownSizeReadsToTheEndOfItsContainer) {
  const Bytes file = join({kCluster, {0x80 | 12}, {0xE7}, kUnknown8, {0x01, 0x02, 0x03}});
  EXPECT_EQ(dump(file), "[t.webm]\n\n" + header("Cluster", "master") + "\n" + header("Timecode", "uint") + "66051\n\n");
}

TEST(SizeUnknown, OverrunInsideIsCountedBySpanAndReported) {
  // Segment of 18 bytes; inside, a Cluster of unknown size whose BlockGroup
  // claims 30 bytes, more than the Segment holds. The BlockGroup's Void
  // overruns it, the BlockGroup the Cluster, the Cluster's span the Segment,
  // and the root finds the file spent before its budget.
  const Bytes file = join({kSegment, {0x80 | 18}, kCluster, kUnknown8, {0xA0, 0x80 | 30}, Bytes(30, 0xEC)});
  EXPECT_EQ(dump(file), kOverrun + kOverrun + kOverrun + kOverrun + "[t.webm]\n\n" + header("Segment", "master") +
                            "\n" + header("Cluster", "master") + "\n" + header("BlockGroup", "master") + "\n" +
                            header("Void", "binary") + "...x1\n\n\n\n");
}

TEST(SizeUnknown, DeepNestingOfUnknownSizeStopsAtTheBound) {
  Bytes file;
  for (int i = 0; i < 1000; ++i) file.insert(file.end(), {0xA0, 0x08, 0xFF, 0xFF, 0xFF, 0xFF});
  const std::string text = dump(file);
  EXPECT_EQ(text.substr(0, 46), "[report] tarvok_master.cpp(     256)\n[t.webm]\n") << text.substr(0, 100);
  EXPECT_EQ(text.find("[report]", 1), std::string::npos);
}

TEST(SizeUnknown, FourByteAllOnesIsAPlainSize) {
  // 0x1FFFFFFF bytes declared: an overrun of an ordinary, large element.
  const Bytes file = join({kCluster, {0x1F, 0xFF, 0xFF, 0xFF}, {0xE7, 0x81, 0x00}});
  EXPECT_EQ(dump(file), kOverrun + kOverrun + "[t.webm]\n\n" + header("Cluster", "master") + "\n" +
                            header("Timecode", "uint") + "0\n\n");
}

}  // namespace
}  // namespace tarvok
