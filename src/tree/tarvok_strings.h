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
  std::uint64_t size() const { return size_; }
  std::uint32_t payloadSize() const override { return static_cast<std::uint32_t>(size_); }
  // The header, then for STRING and UTF8 the text up to its first zero byte
  // between double quotes, unescaped.
  void print(std::FILE* out) const override;

  // The kept bytes and their terminating zero; "" for BINARY.
  const char* text() const { return data_ != nullptr ? data_ : ""; }
  // The kept byte at index (no bounds test; index size() gives the zero).
  std::uint8_t byteAt(std::uint64_t index) const { return static_cast<std::uint8_t>(data_[index]); }

 private:
  void readText(Input& input, std::uint64_t size);

  char* data_ = nullptr;  // from malloc, owned
  std::uint64_t size_ = 0;
};

}  // namespace tarvok
