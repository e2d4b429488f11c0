// EBML variable-length integers: the element IDs and data sizes at the head
// of every element.
#pragma once

#include <cstdint>
#include <cstdio>

#include "codec/tarvok_input.h"

namespace tarvok {

// One integer of 1 to 8 bytes, held as the raw bytes that the file stores.
//
//   first byte   length  value bits
//   1xxx xxxx    1        7
//   01xx xxxx    2       14
//   001x xxxx    3       21
//   ...
//   0000 0001    8       56
//
// A first byte 0x00 has no length marker; read() takes it as a one-byte
// integer and the reader treats it as broken input.
class Vint {
 public:
  std::uint8_t length = 0;
  std::uint8_t bytes[8] = {};

  // Reads one integer from the input's current position. A byte that the
  // input cannot deliver reads as 0xFF; compare the input's position before
  // and after to learn whether the whole integer was there. Returns length.
  int read(Input& input);
  // Copies 1 to 8 bytes (a longer sequence is cut to its first 8). Returns length.
  int assign(const std::uint8_t* begin, const std::uint8_t* end);
  int assign(const std::uint8_t* data, int count);

  // The bytes as one big-endian number; with stripMarker, the length marker
  // and every bit above it are cleared first.
  std::uint64_t value(bool stripMarker) const;
  std::uint64_t sizeValue() const { return value(true); }
  // True for a size field of 5 to 8 bytes whose value bits are all ones,
  // EBML's mark of an element whose size was not known when it was written,
  // and the five bytes 08 FF FF FF FF, the 32-bit all-ones value with which
  // some writers mean the same. Shorter all-ones fields are plain numbers.
  bool isUnknownSize() const;
  // Prints "[vint] <length> 0x" and the bytes in upper-case hex, then "\n".
  void dump(std::FILE* out) const;
};

// Writes value as an eight-byte size field: 0x01 and bits 0 to 55, big-endian
// (higher bits are dropped). Returns the result of the last fputc.
int writeSize8(std::uint64_t value, std::FILE* stream);

}  // namespace tarvok
