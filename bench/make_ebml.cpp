// Writes large, realistic EBML files for the benchmark: an EBML header and a
// Segment with SeekHead, Info, Tracks, Clusters of SimpleBlocks and Cues.
//
//   make_ebml dense OUT [BLOCKS]   ~3,000,000 audio blocks of 8 to 12 bytes (2.5 ms frames)
//   make_ebml film OUT [GIB]       ~10 GiB: 1 MiB video blocks between small audio blocks
//
// Block data is left as holes (sparse) wherever it is at least a page, so a
// 10 GiB film costs a few MB of disk.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "codec/tarvok_vint.h"

namespace {

class Writer {
 public:
  explicit Writer(const char* path) : file_(std::fopen(path, "wb")) {
    if (file_ == nullptr) {
      std::perror(path);
      std::exit(1);
    }
  }
  ~Writer() { std::fclose(file_); }

  void bytes(std::initializer_list<std::uint8_t> list) { std::fwrite(std::data(list), 1, list.size(), file_); }
  void raw(const void* data, std::size_t size) { std::fwrite(data, 1, size, file_); }
  // Data that is never read: a hole when large, zeros otherwise.
  void filler(std::uint64_t size) {
    if (size >= 4096) {
      std::fseek(file_, static_cast<long>(size), SEEK_CUR);
      return;
    }
    static const std::uint8_t zeros[4096] = {};
    raw(zeros, static_cast<std::size_t>(size));
  }
  // The low length bytes of value, most significant first.
  void bigEndian(std::uint64_t value, int length) {
    for (int i = length - 1; i >= 0; --i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xFF), file_);
  }
  void id(std::uint32_t value) { bigEndian(value, value > 0xFFFFFF ? 4 : value > 0xFFFF ? 3 : value > 0xFF ? 2 : 1); }
  // The smallest size field that holds value.
  void size(std::uint64_t value) {
    int length = 1;
    while (length < 8 && value >= (1ull << (7 * length)) - 1) ++length;
    bigEndian(value | (1ull << (7 * length)), length);
  }
  void uint(std::uint32_t elementId, std::uint64_t value) {
    id(elementId);
    size(8);
    bigEndian(value, 8);
  }
  void text(std::uint32_t elementId, const std::string& value) {
    id(elementId);
    size(value.size());
    raw(value.data(), value.size());
  }
  // Opens a master with an eight-byte size field, patched by close().
  std::uint64_t open(std::uint32_t elementId) {
    id(elementId);
    const std::uint64_t at = position();
    bytes({0x01, 0, 0, 0, 0, 0, 0, 0});
    return at;
  }
  void close(std::uint64_t at) {
    const std::uint64_t end = position();
    const std::uint64_t length = end - at - 8;
    std::fseek(file_, static_cast<long>(at), SEEK_SET);
    tarvok::writeSize8(length, file_);
    std::fseek(file_, static_cast<long>(end), SEEK_SET);
  }
  void block(std::uint8_t track, std::int16_t time, std::uint64_t payload) {
    id(0xA3);
    size(4 + payload);
    bytes({static_cast<std::uint8_t>(0x80 | track), static_cast<std::uint8_t>(time >> 8),
           static_cast<std::uint8_t>(time & 0xFF), 0x80});
    filler(payload);
  }
  std::uint64_t position() { return static_cast<std::uint64_t>(std::ftell(file_)); }

 private:
  std::FILE* file_;
};

struct Profile {
  std::uint64_t clusters;
  int audioPerCluster;      // small blocks
  int videoPerCluster;      // large blocks
  std::uint64_t videoSize;  // bytes of a video block
  std::uint64_t timePerCluster;
};

void header(Writer& w) {
  const std::uint64_t ebml = w.open(0x1A45DFA3);
  w.uint(0x4286, 1);
  w.uint(0x42F7, 1);
  w.text(0x4282, "matroska");
  w.close(ebml);
}

void tracks(Writer& w, bool withVideo) {
  const std::uint64_t tracks = w.open(0x1654AE6B);
  const std::uint64_t audio = w.open(0xAE);
  w.uint(0xD7, 1);
  w.uint(0x83, 2);
  w.text(0x86, "A_OPUS");
  w.close(audio);
  if (withVideo) {
    const std::uint64_t video = w.open(0xAE);
    w.uint(0xD7, 2);
    w.uint(0x83, 1);
    w.text(0x86, "V_MPEG4/ISO/AVC");
    w.close(video);
  }
  w.close(tracks);
}

void write(const char* path, const Profile& p) {
  Writer w(path);
  header(w);
  const std::uint64_t segment = w.open(0x18538067);
  const std::uint64_t segmentData = segment + 8;
  const std::uint64_t seekHead = w.open(0x114D9B74);
  for (std::uint32_t target : {0x1549A966u, 0x1654AE6Bu}) {
    const std::uint64_t seek = w.open(0x4DBB);
    w.text(0x53AB, std::string{static_cast<char>(target >> 24), static_cast<char>(target >> 16),
                               static_cast<char>(target >> 8), static_cast<char>(target)});
    w.uint(0x53AC, 0);
    w.close(seek);
  }
  w.close(seekHead);
  const std::uint64_t info = w.open(0x1549A966);
  w.uint(0x2AD7B1, 1000000);
  w.text(0x4D80, "make_ebml");
  w.text(0x5741, "make_ebml");
  w.close(info);
  tracks(w, p.videoPerCluster > 0);
  std::vector<std::uint64_t> clusterPositions;
  for (std::uint64_t c = 0; c < p.clusters; ++c) {
    clusterPositions.push_back(w.position() - segmentData);
    const std::uint64_t cluster = w.open(0x1F43B675);
    w.uint(0xE7, c * p.timePerCluster);
    const int total = p.audioPerCluster + p.videoPerCluster;
    for (int b = 0; b < total; ++b) {
      const bool video = b % 3 == 0 && b / 3 < p.videoPerCluster;
      const auto time = static_cast<std::int16_t>(b);
      if (video)
        w.block(2, time, p.videoSize);
      else
        w.block(1, time, 8 + (c + static_cast<std::uint64_t>(b)) % 5);
    }
    w.close(cluster);
  }
  const std::uint64_t cues = w.open(0x1C53BB6B);
  for (std::uint64_t c = 0; c < p.clusters; ++c) {
    const std::uint64_t point = w.open(0xBB);
    w.uint(0xB3, c * p.timePerCluster);
    const std::uint64_t positions = w.open(0xB7);
    w.uint(0xF7, 1);
    w.uint(0xF1, clusterPositions[c]);
    w.close(positions);
    w.close(point);
  }
  w.close(cues);
  w.close(segment);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_ebml dense|film OUT [BLOCKS|GIB]\n");
    return 2;
  }
  const std::string kind = argv[1];
  if (kind == "dense") {
    const std::uint64_t blocks = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 3000000;
    write(argv[2], Profile{(blocks + 399) / 400, 400, 0, 0, 1000});  // 400 blocks of 2.5 ms a second
  } else if (kind == "film") {
    const std::uint64_t gib = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 10;
    // A second a cluster: 24 video blocks of 1 MiB and 50 audio blocks.
    write(argv[2], Profile{gib * 1024 / 24, 50, 24, 1 << 20, 1000});
  } else {
    std::fprintf(stderr, "make_ebml: unknown profile %s\n", argv[1]);
    return 2;
  }
  return 0;
}
