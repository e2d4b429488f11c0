// Leaf elements holding bytes: STRING, UTF8 and BINARY.
#pragma once

#include <cstdint>

#include "codec/tarvok_input.h"
#include "tree/tarvok_element.h"

namespace tarvok {

class Strings : public Element {
 public:
  // Takes size bytes from the input's position and leaves the input after
  // them, or at its end when it has fewer. STRING and UTF8 keep the bytes
  // the input had, followed by a zero byte, and nothing invented for the
  // missing ones. BINARY data is passed over and not kept: nothing prints
  // it, and media would otherwise fill memory.
  Strings(const Definition* definition, Input& input, std::uint64_t size);
  ~Strings() override;

  // The bytes held (STRING, UTF8) or passed over (BINARY).
  std::uint64_t size() const { return isText() ? text_->size : binarySize_; }
  std::uint32_t payloadSize() const override { return static_cast<std::uint32_t>(size()); }
  // The header, then for STRING and UTF8 the text up to its first zero byte
  // between double quotes, unescaped.
  void print(std::FILE* out) const override;

  // The kept bytes and their terminating zero; "" for BINARY.
  const char* text() const { return isText() ? text_->bytes : ""; }
  // The kept byte at index (no bounds test; index size() gives the zero).
  std::uint8_t byteAt(std::uint64_t index) const { return static_cast<std::uint8_t>(text()[index]); }

 private:
  // The bytes of a STRING or UTF8, in one block from malloc.
  struct Text {
    std::uint64_t size;
    char bytes[1];  // size bytes and a zero
  };

  bool isText() const { return definition()->type != BINARY; }
  void readText(Input& input, std::uint64_t size);

  // One word, as blocks are by far the most numerous nodes of a tree.
  union {
    std::uint64_t binarySize_;  // BINARY
    Text* text_;                // STRING and UTF8, owned
  };
};

}  // namespace tarvok
