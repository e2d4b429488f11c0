// Container elements, the root of each file's tree, and the child reader
// that builds the tree in one forward pass.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "codec/tarvok_input.h"
#include "tree/tarvok_element.h"
#include "tree/tarvok_node_arena.h"
#include "tree/tarvok_read_context.h"

namespace tarvok {

class Master : public Element {
 public:
  // Containers this deep keep no children; their data is passed over. This
  // bounds every recursion over a tree, whatever the file.
  static constexpr int kMaxDepth = 256;

  // The root of a file's tree: opens path, reads the whole file into the
  // tree and closes it. Diagnostics go to out while reading. A path that
  // cannot be opened or read gives a root without children, silently.
  Master(const char* path, std::FILE* out);
  // The root of a tree read from input; name stands for it in diagnostics.
  Master(Input& input, const char* name, std::FILE* out);
  // A nested container, read at once from ctx.input over size bytes (or, with
  // sizeUnknown, up to its natural end within size bytes). For the reader.
  Master(const Definition* definition, ReadContext& ctx, std::uint64_t size, bool sizeUnknown);
  // A nested container kept without children. For the reader.
  explicit Master(const Definition* definition) : Element(definition) {}
  ~Master() override;

  int childCount() const { return static_cast<int>(childCount_); }
  // The child at index, 0 <= index < childCount(), in file order.
  const Element* child(int index) const { return children_[index]; }

  // Sum of the children's encodedSize() (32-bit arithmetic).
  std::uint32_t payloadSize() const override;
  // The header and "\n" (the root has no header), then one line per child,
  // with each run of consecutive BINARY children folded into one line named
  // after its first child: "...x<count>". The parent ends the block's last
  // line, so a nested block is followed by an empty line.
  void print(std::FILE* out) const override;

 private:
  struct Head;
  enum class Step { kElement, kEnd, kStop };

  void readRoot(Input& input, const char* name, std::FILE* out);
  void readChildren(ReadContext& ctx, std::uint64_t budget, bool sizeUnknown);
  void readElements(ReadContext& ctx, std::uint64_t budget, bool sizeUnknown, std::vector<Element*>& found) const;
  Step readHead(ReadContext& ctx, bool sizeUnknown, Head& head) const;
  Element* readChild(ReadContext& ctx, const Head& head, std::uint64_t size) const;
  Element* skipUnknown(ReadContext& ctx, const Head& head, std::uint64_t size) const;
  Master* readNested(ReadContext& ctx, const Head& head, std::uint64_t size) const;

  std::unique_ptr<NodeArena> arena_;  // the root's; the tree lives in it
  Element** children_ = nullptr;      // in the arena, exactly childCount_ long
  std::size_t childCount_ = 0;
};

}  // namespace tarvok
