// Writes the hostile inputs: files shaped to break EBML readers by depth,
// count, size arithmetic, end-of-file handling and allocation from declared
// sizes. Each is named for what it attacks; tests/data/hostile/README.md
// describes them.
//
//   make_hostile DIR
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void add(Bytes& out, std::initializer_list<std::uint8_t> bytes) { out.insert(out.end(), bytes); }

// An eight-byte size field.
void size8(Bytes& out, std::uint64_t value) {
  out.push_back(0x01);
  for (int shift = 48; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

Bytes deepKnown(int levels) {
  Bytes out;
  for (int level = 0; level < levels; ++level) {
    out.push_back(0xA0);  // BlockGroup
    size8(out, static_cast<std::uint64_t>(9) * static_cast<std::uint64_t>(levels - level - 1));
  }
  return out;
}

Bytes deepUnknown(int levels) {
  Bytes out;
  for (int level = 0; level < levels; ++level) add(out, {0xA0, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  return out;
}

Bytes repeated(std::initializer_list<std::uint8_t> unit, std::size_t count, Bytes head = {}) {
  Bytes out = std::move(head);
  for (std::size_t i = 0; i < count; ++i) out.insert(out.end(), unit);
  return out;
}

Bytes emptyBlocksInOneCluster(std::size_t count) {
  Bytes out = {0x1F, 0x43, 0xB6, 0x75};
  size8(out, 2 * count);
  return repeated({0xA3, 0x80}, count, out);
}

Bytes randomBytes(std::size_t count) {
  std::mt19937_64 generator(20261211);
  Bytes out(count);
  for (auto& byte : out) byte = static_cast<std::uint8_t>(generator());
  return out;
}

// Masters whose sizes are just under 2^56 at every level, over a few bytes.
Bytes sizesNear256(int levels) {
  Bytes out;
  for (int level = 0; level < levels; ++level) {
    out.push_back(0xA0);
    size8(out, (std::uint64_t{1} << 56) - 2 - static_cast<std::uint64_t>(level));
  }
  add(out, {0xE7, 0x81, 0x01});
  return out;
}

// Elements whose position plus size passes 2^64 if added without care: a
// Void claiming 2^56 - 2 bytes after others, then more elements.
Bytes wrappingSizes() {
  Bytes out = {0x1A, 0x45, 0xDF, 0xA3, 0x80};
  add(out, {0xEC});
  size8(out, (1ull << 56) - 2);
  add(out, {0x1F, 0x43, 0xB6, 0x75, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xEC});
  size8(out, (1ull << 56) - 2);
  add(out, {0xE7, 0x81, 0x00});
  return out;
}

// A Cluster whose SimpleBlock and BlockGroup data (block header, lacing
// header) is all 0xFF, and then 0xFF to the end.
Bytes ffBlockHeaders() {
  Bytes out = {0x1F, 0x43, 0xB6, 0x75, 0xA8, 0xA3, 0x90};
  out.insert(out.end(), 16, 0xFF);
  add(out, {0xA0, 0x92, 0xA1, 0x90});
  out.insert(out.end(), 16, 0xFF);
  out.insert(out.end(), 1000, 0xFF);
  return out;
}

void write(const std::string& dir, const char* name, const Bytes& bytes) {
  const std::string path = dir + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    std::perror(path.c_str());
    return;
  }
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_hostile DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  write(dir, "deep-known-200k.mkv", deepKnown(200000));
  write(dir, "deep-unknown-200k.mkv", deepUnknown(200000));
  write(dir, "empty-masters-500k.mkv", repeated({0xA0, 0x80}, 500000));
  write(dir, "empty-blocks-2m.mkv", emptyBlocksInOneCluster(2000000));
  write(dir, "zeros-64mib.mkv", Bytes(64u << 20, 0));
  write(dir, "unknown-ids-1m.mkv", repeated({0xFE, 0x80}, 1000000));
  write(dir, "random-4mib.mkv", randomBytes(4u << 20));
  write(dir, "string-256mb-in-8-bytes.mkv", {0x42, 0x82, 0x1F, 0xFF, 0xFF, 0xFF, 0x61, 0x62});
  write(dir, "sizes-near-2-56.mkv", sizesNear256(300));
  write(dir, "wrapping-sizes.mkv", wrappingSizes());
  write(dir, "ff-block-headers.mkv", ffBlockHeaders());
  write(dir, "all-ff-1mib.mkv", Bytes(1u << 20, 0xFF));
  return 0;
}
