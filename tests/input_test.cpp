// The buffered input over real files: reads, skips past the buffer, the end
// of the file, putting bytes back across a refill, and paths that cannot be read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "codec/tarvok_input.h"

namespace tarvok {
namespace {

// A temporary file whose byte at offset i is i * 7 mod 251.
class TempFile {
 public:
  explicit TempFile(std::size_t size) {
    char name[] = "/tmp/tarvok-input-XXXXXX";
    const int fd = mkstemp(name);
    path_ = name;
    std::FILE* file = fdopen(fd, "wb");
    for (std::size_t i = 0; i < size; ++i) std::fputc(byteAt(i), file);
    std::fclose(file);
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const char* path() const { return path_.c_str(); }
  static int byteAt(std::uint64_t offset) { return static_cast<int>(offset * 7 % 251); }

 private:
  std::string path_;
};

TEST(Input, ReadsAFileByteByByteAcrossRefills) {
  const TempFile file(3 * 1024 * 1024 + 17);
  Input input(file.path());
  ASSERT_TRUE(input.isOpen());
  ASSERT_TRUE(input.hasLength());
  EXPECT_EQ(input.length(), 3u * 1024 * 1024 + 17);
  for (std::uint64_t i = 0; i < input.length(); ++i) ASSERT_EQ(input.get(), TempFile::byteAt(i)) << i;
  EXPECT_TRUE(input.atEnd());
  EXPECT_EQ(input.get(), -1);
  EXPECT_EQ(input.position(), input.length());
}

TEST(Input, SkipsWithinAndBeyondTheBufferAndStopsAtTheEnd) {
  const TempFile file(5 * 1024 * 1024);
  Input input(file.path());
  EXPECT_EQ(input.skip(10), 10u);
  EXPECT_EQ(input.get(), TempFile::byteAt(10));
  EXPECT_EQ(input.skip(2 * 1024 * 1024), 2u * 1024 * 1024);
  EXPECT_EQ(input.get(), TempFile::byteAt(11 + 2 * 1024 * 1024));
  std::vector<std::uint8_t> bytes(100);
  EXPECT_EQ(input.read(bytes.data(), bytes.size()), 100u);
  EXPECT_EQ(bytes[99], TempFile::byteAt(111 + 2 * 1024 * 1024));
  const std::uint64_t left = input.length() - input.position();
  EXPECT_EQ(input.skip(1ull << 40), left);
  EXPECT_EQ(input.position(), input.length());
  EXPECT_EQ(input.skip(5), 0u);
  EXPECT_EQ(input.read(bytes.data(), 5), 0u);
}

TEST(Input, PutsBackBytesTakenAcrossARefill) {
  const TempFile file(64 * 1024);
  Input input(file.path());
  // The first read takes 4096 bytes: take the last 3 of them and 5 beyond.
  input.skip(4093);
  for (int i = 0; i < 8; ++i) input.get();
  input.unread(8);
  EXPECT_EQ(input.position(), 4093u);
  for (std::uint64_t i = 4093; i < 4101; ++i) EXPECT_EQ(input.get(), TempFile::byteAt(i));
}

TEST(Input, DirectoriesAndMissingPathsAreNotOpen) {
  EXPECT_FALSE(Input("/tmp").isOpen());
  EXPECT_FALSE(Input("/nonexistent/tarvok/file").isOpen());
}

TEST(Input, EmptyFileIsOpenAndAtItsEnd) {
  const TempFile file(0);
  Input input(file.path());
  EXPECT_TRUE(input.isOpen());
  EXPECT_TRUE(input.atEnd());
}

}  // namespace
}  // namespace tarvok
