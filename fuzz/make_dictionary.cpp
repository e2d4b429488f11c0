// Prints a libFuzzer dictionary: the ID of every element that tarvok knows,
// taken from its own table, and the size fields that matter to a reader.
#include <cstdio>

#include "codec/tarvok_dictionary.h"

int main() {
  for (const tarvok::Definition& entry : tarvok::Dictionary::instance().entries()) {
    std::printf("\"");
    for (const auto byte : entry.idBytes) std::printf("\\x%02X", byte);
    std::printf("\"\n");
  }
  const char* sizes[] = {
      "\\x80",                                     // 0
      "\\xFF",                                     // 127, all ones in one byte: a plain number
      "\\x7F\\xFF",                                // 16383
      "\\x1F\\xFF\\xFF\\xFF",                      // 4 bytes of ones: a plain number
      "\\x08\\xFF\\xFF\\xFF\\xFF",                 // unknown size, 32-bit writers
      "\\x0F\\xFF\\xFF\\xFF\\xFF",                 // unknown size, 5 bytes
      "\\x01\\xFF\\xFF\\xFF\\xFF\\xFF\\xFF\\xFF",  // unknown size, 8 bytes
      "\\x01\\xFF\\xFF\\xFF\\xFF\\xFF\\xFF\\xFE",  // 2^56 - 2
      "\\x01\\x00\\x00\\x01\\x00\\x00\\x00\\x00",  // 2^32
      "\\x00",                                     // no length marker
  };
  for (const char* size : sizes) std::printf("\"%s\"\n", size);
  return 0;
}
