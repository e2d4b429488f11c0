// The whole command: framing over several paths, paths that are odd or
// missing, streams, and the exit status.
#include <gtest/gtest.h>

#include "test_utils/run.h"

namespace tarvok {
namespace {

using test::Bytes;
using test::join;
using test::runTarvok;

const Bytes kGood = {0x1A, 0x45, 0xDF, 0xA3, 0x84, 0x42, 0x86, 0x81, 0x01,               // EBML { EBMLVersion 1 }
                     0x1F, 0x43, 0xB6, 0x75, 0x86, 0xA3, 0x84, 0x81, 0x00, 0x00, 0x80};  // Cluster { SimpleBlock }
const Bytes kDiagnosed = {0x4A, 0xBC, 0x80, 0xEC, 0x80};  // an unknown element, then a Void
const std::string kGoodTree =
    "\n"
    "                            EBML(  master):\n"
    "                     EBMLVersion(    uint):1\n"
    "\n"
    "                         Cluster(  master):\n"
    "                     SimpleBlock(  binary):...x1\n"
    "\n";

class Driver : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.write("a.mkv", kGood);
    dir_.write("b.webm", kDiagnosed);
    dir_.write("empty.webm", {});
  }
  test::Run run(const std::string& arguments) const { return runTarvok(dir_.path(), arguments); }
  test::Run shell(const std::string& command) const { return test::runShell(dir_.path(), command); }
  test::ScratchDir dir_;
};

TEST_F(Driver, NoArgumentsPrintsNothing) {
  const test::Run result = run("");
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.status, 0);
}

TEST_F(Driver, FramesEachFileAndSkipsMissingOnes) {
  const test::Run result = run("a.mkv gone.mkv b.webm empty.webm");
  EXPECT_EQ(result.out, "[a.mkv]\n" + kGoodTree +
                            "unknown element fonud in <b.webm>\n"
                            "ignore(0 bytes).[vint] <2> 0x4ABC\n"
                            "[b.webm]\n\n"
                            "                            Void(  binary):...x1\n");
  EXPECT_EQ(result.status, 0);
}

TEST_F(Driver, SamePathTwiceIsDumpedTwice) {
  EXPECT_EQ(run("a.mkv a.mkv").out, "[a.mkv]\n" + kGoodTree + "[a.mkv]\n" + kGoodTree);
}

TEST_F(Driver, PathsArePrintedAsTheyCame) {
  dir_.write("50%d%s.mkv", kGood);
  dir_.write("-v", kGood);
  EXPECT_EQ(run("'50%d%s.mkv'").out, "[50%d%s.mkv]\n" + kGoodTree);
  EXPECT_EQ(run("-v --help").out, "[-v]\n" + kGoodTree);
  EXPECT_EQ(run("./a.mkv").out, "[./a.mkv]\n" + kGoodTree);
  EXPECT_EQ(run("'" + dir_.path() + "/a.mkv'").out, "[" + dir_.path() + "/a.mkv]\n" + kGoodTree);
}

TEST_F(Driver, DirectoriesAndUnreadablePathsPrintNothing) {
  const test::Run result = run(". /tmp /proc/self/mem a.mkv");
  EXPECT_EQ(result.out, "[a.mkv]\n" + kGoodTree);
  EXPECT_EQ(result.status, 0);
}

TEST_F(Driver, StreamGivesTheSameTreeAsTheFile) {
  EXPECT_EQ(run("/dev/stdin < a.mkv").out, "[/dev/stdin]\n" + kGoodTree);
  EXPECT_EQ(run("/dev/stdin < empty.webm").out, "");
  const test::Run piped = shell("cat a.mkv | $TARVOK /dev/stdin");
  EXPECT_EQ(piped.out, "[/dev/stdin]\n" + kGoodTree);
}

TEST_F(Driver, StreamEndsWithoutReportAndSkipsByReading) {
  // A Cluster cut short in a pipe is a report, as in a file.
  dir_.write("cut.mkv", {0x1F, 0x43, 0xB6, 0x75, 0x8A, 0xA3, 0x84, 0x81, 0x00, 0x00, 0x80});
  EXPECT_EQ(run("/dev/stdin < cut.mkv").out,
            "[report] tarvok_master.cpp(     113)\n[report] tarvok_master.cpp(     113)\n[/dev/stdin]\n\n"
            "                         Cluster(  master):\n"
            "                     SimpleBlock(  binary):...x1\n\n");
  // Through a pipe the root has no length: its end is no report.
  const std::string piped = shell("cat cut.mkv | $TARVOK /dev/stdin").out;
  EXPECT_EQ(piped,
            "[report] tarvok_master.cpp(     113)\n[/dev/stdin]\n\n"
            "                         Cluster(  master):\n"
            "                     SimpleBlock(  binary):...x1\n\n");
  // An unknown element is passed over by reading, then the next one is found.
  dir_.write("skip.mkv", join({{0x4A, 0xBC, 0x43, 0x00}, Bytes(0x300, 0x55), kGood}));
  EXPECT_EQ(shell("cat skip.mkv | $TARVOK /dev/stdin").out,
            "unknown element fonud in </dev/stdin>\nignore(768 bytes).[vint] <2> 0x4ABC\n[/dev/stdin]\n" + kGoodTree);
}

TEST_F(Driver, OutputThatCannotBeWrittenFailsTheRun) {
  const test::Run result = shell("$TARVOK a.mkv > /dev/full 2>/dev/null; echo $?");
  EXPECT_EQ(result.out, "1\n");
}

}  // namespace
}  // namespace tarvok
