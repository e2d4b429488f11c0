// Leaf elements holding a number: INT, UINT, FLOAT and DATE.
#pragma once

#include <cstdint>

#include "codec/tarvok_input.h"
#include "tree/tarvok_element.h"

namespace tarvok {

class Primitives : public Element {
 public:
  // Reads size bytes of big-endian data from the input's position and leaves
  // the input after them (or at its end). Of more than 8 bytes only the last
  // 8 count. Data that runs past the end of the input reads as all bits set,
  // which marks the value as broken. With sizeUnknown the data runs to the
  // end of the input or after size bytes, whichever comes first, and is not
  // broken by ending early.
  Primitives(const Definition* definition, Input& input, std::uint64_t size, bool sizeUnknown = false);

  std::uint32_t payloadSize() const override { return 8; }
  // The header, then the value: "%lld" for INT, "%llu" for UINT and DATE,
  // "%f" for FLOAT.
  void print(std::FILE* out) const override;

  // The one 64-bit cell read three ways; no conversion between them.
  std::int64_t intValue() const;
  std::uint64_t uintValue() const { return number_; }
  double doubleValue() const;
  void setIntValue(std::int64_t value);
  void setUintValue(std::uint64_t value) { number_ = value; }
  void setDoubleValue(double value);

 private:
  void readKnown(Input& input, std::uint64_t size);
  std::uint64_t readToEnd(Input& input, std::uint64_t size);
  void applyWidth(std::uint64_t width);

  std::uint64_t number_ = 0;
};

}  // namespace tarvok
