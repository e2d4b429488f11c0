// A sparse file of more than 4 GiB: a 5 GiB SimpleBlock, then Clusters and
// Cues beyond the 4 GiB mark whose values exceed 32 bits. The holes cost no
// disk, and the dump passes over the block without reading it.
#include <gtest/gtest.h>
#include <unistd.h>

#include "codec/tarvok_vint.h"
#include "test_utils/run.h"

namespace tarvok {
namespace {

using test::Bytes;
using test::header;
using test::join;

constexpr std::uint64_t kBlockSize = 5ull << 30;

// An eight-byte size field, as writeSize8 writes it.
Bytes size8(std::uint64_t value) {
  const std::string field = test::capture([&](std::FILE* out) { writeSize8(value, out); });
  return Bytes(field.begin(), field.end());
}

// A UINT element with an eight-byte value.
Bytes uint8Element(Bytes id, std::uint64_t value) {
  Bytes element = join({id, {0x88}});
  for (int shift = 56; shift >= 0; shift -= 8) element.push_back(static_cast<std::uint8_t>(value >> shift));
  return element;
}

TEST(LargeFile, DumpsAFileOverFourGibExactly) {
  const Bytes ebml = {0x1A, 0x45, 0xDF, 0xA3, 0x84, 0x42, 0x82, 0x81, 0x78};  // EBML { DocType "x" }
  const Bytes timecode = {0xE7, 0x81, 0x00};
  const Bytes blockHead = join({{0xA3}, size8(kBlockSize)});
  const std::uint64_t firstCluster = timecode.size() + blockHead.size() + kBlockSize;
  const Bytes secondCluster = join(
      {{0x1F, 0x43, 0xB6, 0x75, 0x91}, uint8Element({0xE7}, 5000000000), {0xA3, 0x85, 0x81, 0x00, 0x00, 0x80, 0x00}});
  const std::uint64_t secondAt = 4 + 8 + firstCluster;  // within the Segment
  const Bytes cues = join({{0x1C, 0x53, 0xBB, 0x6B, 0x98},
                           {0xBB, 0x96},
                           uint8Element({0xB3}, 5000000000),
                           {0xB7, 0x8A},
                           uint8Element({0xF1}, secondAt)});
  const std::uint64_t segmentSize = 4 + 8 + firstCluster + secondCluster.size() + cues.size();

  test::ScratchDir dir;
  const std::string path = dir.path() + "/big.mkv";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  const Bytes head = join({ebml,
                           {0x18, 0x53, 0x80, 0x67},
                           size8(segmentSize),
                           {0x1F, 0x43, 0xB6, 0x75},
                           size8(firstCluster),
                           timecode,
                           blockHead});
  std::fwrite(head.data(), 1, head.size(), file);
  ASSERT_EQ(std::fseek(file, static_cast<long>(kBlockSize), SEEK_CUR), 0);  // the block: a hole
  const Bytes tail = join({secondCluster, cues});
  std::fwrite(tail.data(), 1, tail.size(), file);
  std::fclose(file);

  const test::Run run = test::runTarvok(dir.path(), "big.mkv");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "[big.mkv]\n\n" + header("EBML", "master") + "\n" + header("DocType", "string") + "\"x\"\n\n" +
                         header("Segment", "master") + "\n" + header("Cluster", "master") + "\n" +
                         header("Timecode", "uint") + "0\n" + header("SimpleBlock", "binary") + "...x1\n\n" +
                         header("Cluster", "master") + "\n" + header("Timecode", "uint") + "5000000000\n" +
                         header("SimpleBlock", "binary") + "...x1\n\n" + header("Cues", "master") + "\n" +
                         header("CuePoint", "master") + "\n" + header("CueTime", "uint") + "5000000000\n" +
                         header("CueTrackPositions", "master") + "\n" + header("CueClusterPosition", "uint") +
                         std::to_string(secondAt) + "\n\n\n\n\n");
  // The same file with the block's data present only in part: the Cluster
  // cannot be complete, and says so.
  ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(head.size() + (4ull << 30))), 0);
  EXPECT_EQ(test::runTarvok(dir.path(), "big.mkv").out.substr(0, 37), "[report] tarvok_master.cpp(     113)\n");
}

}  // namespace
}  // namespace tarvok
