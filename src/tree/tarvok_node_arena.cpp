// Block allocation for NodeArena.
#include "tree/tarvok_node_arena.h"

#include <algorithm>

namespace tarvok {

// Starts a new block; a request larger than a block gets a block of its own.
void* NodeArena::allocateBlock(std::size_t bytes) {
  const std::size_t size = std::max(bytes, kBlockSize);
  blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(size));
  next_ = blocks_.back().get();
  left_ = size;
  void* result = next_;
  next_ += bytes;
  left_ -= bytes;
  return result;
}

}  // namespace tarvok
