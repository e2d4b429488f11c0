// Bulk storage for the nodes of one file's tree: millions of small nodes
// cost one pointer bump each and are released together with the tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace tarvok {

class NodeArena {
 public:
  NodeArena() = default;
  NodeArena(const NodeArena&) = delete;
  NodeArena& operator=(const NodeArena&) = delete;

  // Constructs a T in the arena. The caller runs its destructor; the memory
  // is released when the arena is destroyed.
  template <class T, class... Args>
  T* make(Args&&... args) {
    static_assert(alignof(T) <= kAlignment);
    return new (allocate(sizeof(T))) T(std::forward<Args>(args)...);
  }
  // Room for count values of a trivial type T, uninitialised; null for 0.
  template <class T>
  T* makeArray(std::size_t count) {
    static_assert(alignof(T) <= kAlignment && std::is_trivially_destructible_v<T>);
    return count == 0 ? nullptr : static_cast<T*>(allocate(count * sizeof(T)));
  }

 private:
  // Tree nodes hold pointers and 64-bit numbers; nothing needs more.
  static constexpr std::size_t kAlignment = alignof(std::uint64_t);
  static constexpr std::size_t kBlockSize = 256 * 1024;

  void* allocate(std::size_t bytes) {
    bytes = (bytes + kAlignment - 1) & ~(kAlignment - 1);
    if (bytes > left_) return allocateBlock(bytes);
    void* result = next_;
    next_ += bytes;
    left_ -= bytes;
    return result;
  }
  void* allocateBlock(std::size_t bytes);

  std::vector<std::unique_ptr<std::byte[]>> blocks_;
  std::byte* next_ = nullptr;
  std::size_t left_ = 0;
};

}  // namespace tarvok
