// Block allocation for NodeArena.
#include "tree/tarvok_node_arena.h"

namespace tarvok {

void* NodeArena::allocate(std::size_t bytes) {
  bytes = (bytes + kAlignment - 1) & ~(kAlignment - 1);
  if (bytes > left_) {
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockSize));
    next_ = blocks_.back().get();
    left_ = kBlockSize;
  }
  void* result = next_;
  next_ += bytes;
  left_ -= bytes;
  return result;
}

}  // namespace tarvok
