// The constant list of the elements that tarvok knows, from the Matroska schema.
#pragma once

#include <cstdint>

#include "codec/tarvok_element_type.h"

namespace tarvok {

struct ElementRow {
  const char* name;
  std::uint8_t idBytes[4];
  int idLength;
  ElementType type;
};

inline constexpr int kElementCount = 223;
extern const ElementRow kElementTable[kElementCount];

}  // namespace tarvok
