// A forward-only byte source over a file, a pipe or a block of memory, with
// its own buffer so that single bytes cost no call and skips need no reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace tarvok {

class Input {
 public:
  // How many bytes taken with get() can always be put back with unread().
  static constexpr unsigned kMaxUnread = 8;

  // Reads the given bytes, which must outlive the Input. Its length is known.
  Input(const std::uint8_t* data, std::size_t size);
  // Opens the path in binary mode. isOpen() is false when the path cannot be
  // opened or its first read fails (a directory, for instance).
  explicit Input(const char* path);
  ~Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  bool isOpen() const { return open_; }
  // True for regular files and memory, whose length is taken at the start and
  // bounds all reading. False for pipes and other streams, read to their end.
  bool hasLength() const { return hasLength_; }
  std::uint64_t length() const { return length_; }
  // Bytes delivered so far, counted from the start of the source.
  std::uint64_t position() const { return position_; }

  // The next byte, or -1 at the end of the source.
  int get() {
    if (pos_ == end_ && !refill()) return -1;
    ++position_;
    return buffer_[pos_++];
  }
  // True when no byte is left.
  bool atEnd() { return pos_ == end_ && !refill(); }
  // Copies up to n bytes; returns how many the source had.
  std::uint64_t read(std::uint8_t* destination, std::uint64_t n);
  // Passes over up to n bytes without reading them where the source can seek;
  // returns how many were passed over (fewer only at the end of the source).
  std::uint64_t skip(std::uint64_t n);
  // Puts back the last n bytes (n <= kMaxUnread) taken with get() since the
  // last skip.
  void unread(unsigned n) {
    pos_ -= n;
    position_ -= n;
  }

 private:
  bool refill();
  std::uint64_t seekForward(std::uint64_t n);

  std::FILE* file_ = nullptr;
  std::unique_ptr<std::uint8_t[]> storage_;
  const std::uint8_t* buffer_ = nullptr;
  std::size_t pos_ = 0;    // next byte in buffer_
  std::size_t end_ = 0;    // end of the valid bytes in buffer_
  std::size_t chunk_ = 0;  // size of the next read; grows while reading runs on
  std::uint64_t position_ = 0;
  std::uint64_t length_ = 0;
  bool open_ = false;
  bool hasLength_ = false;
  bool ended_ = false;
};

}  // namespace tarvok
