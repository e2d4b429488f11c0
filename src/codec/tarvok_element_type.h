// The data types that an element of the dictionary can have, and their printed names.
#pragma once

#include <cstdint>

namespace tarvok {

// A 32-bit type code; files never carry it, the dictionary assigns it.
enum ElementType : std::int32_t {
  INT = 1,
  UINT = 2,
  FLOAT = 3,
  STRING = 4,
  UTF8 = 5,
  DATE = 6,
  BINARY = 7,
  MASTER = 8,
};

// "int" to "master" for the codes 1 to 8, "unknown" for any other code.
// The result has static lifetime.
const char* typeName(std::int32_t type);

}  // namespace tarvok
