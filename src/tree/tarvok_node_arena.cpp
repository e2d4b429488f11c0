// Block allocation for NodeArena.
#include "tree/tarvok_node_arena.h"

#include <algorithm>

namespace tarvok {

void* NodeArena::allocate(std::size_t bytes) {
  bytes = (bytes + kAlignment - 1) & ~(kAlignment - 1);
  if (bytes > left_) {
    // A request larger than a block gets a block of its own.
    const std::size_t size = std::max(bytes, kBlockSize);
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(size));
    next_ = blocks_.back().get();
    left_ = size;
  }
  void* result = next_;
  next_ += bytes;
  left_ -= bytes;
  return result;
}

}  // namespace tarvok
