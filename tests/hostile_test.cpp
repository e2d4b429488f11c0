// Hostile inputs: each must end with status 0 and the dump below (exactly,
// where it is short). Single-byte mutations of valid files run in-process,
// where the sanitizer build checks every read.
#include <gtest/gtest.h>

#include <string>

#include "codec/tarvok_input.h"
#include "test_utils/run.h"
#include "tree/tarvok_master.h"

namespace tarvok {
namespace {

using test::Bytes;
using test::header;
using test::kOverrun;
using test::kTooDeep;

test::Run dumpHostile(const std::string& name) {
  const test::Run run = test::runTarvok(TARVOK_HOSTILE_DIR, name);
  EXPECT_EQ(run.status, 0) << name;
  return run;
}

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

std::string deepTree(const std::string& name) {
  std::string lines;
  for (int i = 0; i < Master::kMaxDepth; ++i) lines += header("BlockGroup", "master") + "\n";
  return kTooDeep + "[" + name + "]\n\n" + lines + std::string(Master::kMaxDepth, '\n');
}

TEST(Hostile, DeepNestingStopsAtTheBound) {
  EXPECT_EQ(dumpHostile("deep-known-200k.mkv").out, deepTree("deep-known-200k.mkv"));
  EXPECT_EQ(dumpHostile("deep-unknown-200k.mkv").out, deepTree("deep-unknown-200k.mkv"));
}

TEST(Hostile, HalfAMillionEmptyMasters) {
  const std::string out = dumpHostile("empty-masters-500k.mkv").out;
  const std::string block = header("BlockGroup", "master") + "\n\n";
  const std::string head = "[empty-masters-500k.mkv]\n\n";
  EXPECT_EQ(out.size(), head.size() + 500000 * block.size());
  EXPECT_EQ(out.substr(0, head.size() + block.size()), head + block);
}

TEST(Hostile, TwoMillionEmptyBlocksFoldIntoOneLine) {
  EXPECT_EQ(dumpHostile("empty-blocks-2m.mkv").out, "[empty-blocks-2m.mkv]\n\n" + header("Cluster", "master") + "\n" +
                                                        header("SimpleBlock", "binary") + "...x2000000\n\n");
}

TEST(Hostile, ZeroFilledFileEndsAtOnce) { EXPECT_EQ(dumpHostile("zeros-64mib.mkv").out, kOverrun); }

TEST(Hostile, AMillionUnknownIdsAreEachReported) {
  const std::string out = dumpHostile("unknown-ids-1m.mkv").out;
  const std::string pair = "unknown element fonud in <unknown-ids-1m.mkv>\nignore(0 bytes).[vint] <1> 0xFE\n";
  EXPECT_EQ(out.size(), 1000000 * pair.size());
  EXPECT_EQ(out.substr(0, pair.size()), pair);
}

TEST(Hostile, RandomBytesEndCleanly) {
  const std::string out = dumpHostile("random-4mib.mkv").out;
  EXPECT_LE(out.size(), 64u * (4u << 20) + 4096);
}

TEST(Hostile, HugeDeclaredStringHoldsWhatTheFileHas) {
  EXPECT_EQ(dumpHostile("string-256mb-in-8-bytes.mkv").out,
            kOverrun + "[string-256mb-in-8-bytes.mkv]\n\n" + header("DocType", "string") + "\"ab\"\n");
}

TEST(Hostile, SizesNearTwoToTheFiftySixAtEveryLevel) {
  const std::string out = dumpHostile("sizes-near-2-56.mkv").out;
  // The bound, then one overrun for each of the 255 levels above it and the root.
  EXPECT_EQ(out.substr(0, kTooDeep.size()), kTooDeep);
  EXPECT_EQ(count(out, kOverrun), 256u);
  EXPECT_EQ(count(out, header("BlockGroup", "master")), 256u);
}

TEST(Hostile, SizesThatWouldWrapAreCountedInSixtyFourBits) {
  EXPECT_EQ(dumpHostile("wrapping-sizes.mkv").out, kOverrun + "[wrapping-sizes.mkv]\n\n" + header("EBML", "master") +
                                                       "\n\n" + header("Void", "binary") + "...x1\n");
}

TEST(Hostile, BlockAndLacingHeadersOfFF) {
  const std::string out = dumpHostile("ff-block-headers.mkv").out;
  const std::string ff = "ignore(127 bytes).[vint] <1> 0xFF\n";
  EXPECT_EQ(out.substr(0, 35 + ff.size() + kOverrun.size()), "unknown element fonud in <Cluster>\n" + ff + kOverrun);
  EXPECT_EQ(count(out, "unknown element fonud in <ff-block-headers.mkv>\n" + ff), 7u);
  EXPECT_NE(out.find(header("Block", "binary") + "...x1\n\n\n"), std::string::npos);
  const std::string allFF = dumpHostile("all-ff-1mib.mkv").out;
  // 8128 whole elements of 129 bytes, then one that overruns the file.
  EXPECT_EQ(count(allFF, ff), (1u << 20) / 129 + 1);
  EXPECT_EQ(allFF.substr(allFF.size() - kOverrun.size()), kOverrun);
}

TEST(Hostile, DirectoryIsNoInput) { EXPECT_EQ(dumpHostile(".").out, ""); }

// Dumps every single-byte mutation of bytes in-process, to no output.
void mutate(const Bytes& original, std::initializer_list<int> values, bool everyValue) {
  std::FILE* sink = std::fopen("/dev/null", "w");
  Bytes bytes = original;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const auto dump = [&](int value) {
      bytes[at] = static_cast<std::uint8_t>(value);
      Input input(bytes.data(), bytes.size());
      const Master root(input, "mutant", sink);
      root.print(sink);
    };
    if (everyValue) {
      for (int value = 0; value < 256; ++value) dump(value);
    } else {
      for (int value : values) dump(value);
      dump(original[at] ^ 0x80);
    }
    bytes[at] = original[at];
  }
  std::fclose(sink);
}

TEST(Hostile, EverySingleByteMutationOfSmallValidFiles) {
  const Bytes worked = {0x1A, 0x45, 0xDF, 0xA3, 0x8F, 0x42, 0x86, 0x81, 0x01, 0x42, 0xF7, 0x81, 0x01, 0x42, 0x82, 0x84,
                        0x77, 0x65, 0x62, 0x6D, 0x1F, 0x43, 0xB6, 0x75, 0x95, 0xE7, 0x81, 0x00, 0xA3, 0x84, 0x81, 0x00,
                        0x00, 0x80, 0xA3, 0x84, 0x81, 0x00, 0x00, 0x80, 0xA3, 0x84, 0x81, 0x00, 0x00, 0x80};
  mutate(worked, {}, true);
  for (const char* name : {"live.webm", "subtitles.mks"}) {
    const std::string text = test::readFile(std::string(TARVOK_TEST_DATA) + "/real/" + name);
    const Bytes real(text.begin(), text.end());
    ASSERT_FALSE(real.empty()) << name;
    mutate(real, {0x00, 0x01, 0x08, 0x80, 0xFF}, false);
  }
}

}  // namespace
}  // namespace tarvok
