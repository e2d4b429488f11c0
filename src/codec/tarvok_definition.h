// One entry of the element dictionary: an element's name, ID and data type.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "codec/tarvok_element_type.h"

namespace tarvok {

class Definition {
 public:
  // Copies the name and the 1 to 8 ID bytes (as a file stores them, marker
  // bits included) and computes id from them.
  Definition(const char* entryName, const std::uint8_t* entryId, int idLength, std::int32_t entryType);

  std::string name;
  std::vector<std::uint8_t> idBytes;
  // idBytes read big-endian with the marker kept, as a reader computes it for
  // an ID read from a file.
  std::uint64_t id = 0;
  std::int32_t type = 0;

  // Prints the header of a dump line, without a line end: the name
  // right-aligned in 32 columns, the type name right-aligned in 8 between
  // parentheses, with withId the ID bytes as "{0x...}", then ":".
  void printHeader(std::FILE* out, bool withId) const;

 private:
  std::string header_;  // the header without the ID and the colon, made once
};

}  // namespace tarvok
