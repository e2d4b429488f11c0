// Buffered reading, skipping and end detection for Input.
#include "codec/tarvok_input.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace tarvok {

namespace {
// Reads start small after every seek, so that hopping over large blocks reads
// little more than their headers, and double while the reading is sequential.
constexpr std::size_t kFirstChunk = 4096;
constexpr std::size_t kLargestChunk = std::size_t{1} << 20;

static_assert(sizeof(long) >= 8, "file positions are taken as long");
}  // namespace

Input::Input(const std::uint8_t* data, std::size_t size)
    : buffer_(data), end_(size), length_(size), open_(true), hasLength_(true), ended_(true) {}

Input::Input(const char* path) {
  file_ = std::fopen(path, "rb");
  if (file_ == nullptr) return;
  // The Input buffers on its own; a second buffer in stdio would only copy.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    const long end = std::ftell(file_);
    hasLength_ = end >= 0 && std::fseek(file_, 0, SEEK_SET) == 0;
    length_ = hasLength_ ? static_cast<std::uint64_t>(end) : 0;
  }
  std::clearerr(file_);
  storage_ = std::make_unique<std::uint8_t[]>(kMaxUnread + kLargestChunk);
  buffer_ = storage_.get();
  chunk_ = kFirstChunk;
  refill();
  open_ = std::ferror(file_) == 0;
}

Input::~Input() {
  if (file_ != nullptr) std::fclose(file_);
}

bool Input::refill() {
  if (ended_) return false;
  // Keep the last bytes taken, so that unread() works across a refill.
  const std::size_t keep = std::min<std::size_t>(pos_, kMaxUnread);
  std::memmove(storage_.get(), buffer_ + pos_ - keep, keep);
  std::size_t want = chunk_;
  if (hasLength_) want = static_cast<std::size_t>(std::min<std::uint64_t>(want, length_ - position_));
  const std::size_t got = want == 0 ? 0 : std::fread(storage_.get() + keep, 1, want, file_);
  pos_ = keep;
  end_ = keep + got;
  chunk_ = std::min(chunk_ * 2, kLargestChunk);
  if (got == 0) ended_ = true;
  return got != 0;
}

std::uint64_t Input::read(std::uint8_t* destination, std::uint64_t n) {
  std::uint64_t done = 0;
  while (done < n && !atEnd()) {
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(n - done, end_ - pos_));
    std::memcpy(destination + done, buffer_ + pos_, take);
    pos_ += take;
    position_ += take;
    done += take;
  }
  return done;
}

std::uint64_t Input::skip(std::uint64_t n) {
  const std::uint64_t buffered = end_ - pos_;
  if (n <= buffered) {
    pos_ += static_cast<std::size_t>(n);
    position_ += n;
    return n;
  }
  pos_ = end_;
  position_ += buffered;
  if (hasLength_ && file_ != nullptr) return buffered + seekForward(n - buffered);
  // A stream cannot seek: its bytes are read and dropped.
  std::uint64_t done = buffered;
  while (done < n && !atEnd()) {
    const std::uint64_t take = std::min<std::uint64_t>(n - done, end_ - pos_);
    pos_ += static_cast<std::size_t>(take);
    position_ += take;
    done += take;
  }
  return done;
}

// Moves the file n bytes on, never past its length; the buffer is empty here.
std::uint64_t Input::seekForward(std::uint64_t n) {
  const std::uint64_t step = std::min(n, length_ - position_);
  if (step == 0) return 0;
  if (std::fseek(file_, static_cast<long>(position_ + step), SEEK_SET) != 0) {
    ended_ = true;
    return 0;
  }
  position_ += step;
  pos_ = end_ = 0;
  chunk_ = kFirstChunk;
  return step;
}

}  // namespace tarvok
