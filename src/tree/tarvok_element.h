// The base of every node of the element tree.
#pragma once

#include <cstdint>
#include <cstdio>

#include "codec/tarvok_definition.h"

namespace tarvok {

class Element {
 public:
  // definition is not owned; it is null only for the root of a file's tree.
  explicit Element(const Definition* definition) : definition_(definition) {}
  virtual ~Element() = default;
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;

  // Bytes of data this element would have if written again with eight-byte
  // size fields throughout (32-bit arithmetic).
  virtual std::uint32_t payloadSize() const { return 0; }
  // Prints the element's dump line without its line end: here the header
  // only; the leaves add their value.
  virtual void print(std::FILE* out) const;

  const Definition* definition() const { return definition_; }
  // payloadSize() + the ID's length + an eight-byte size field. Only for
  // elements with a definition.
  std::uint32_t encodedSize() const;

 private:
  const Definition* definition_;
};

}  // namespace tarvok
