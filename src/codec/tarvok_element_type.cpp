// Printed names of the element types.
#include "codec/tarvok_element_type.h"

namespace tarvok {

const char* typeName(std::int32_t type) {
  static constexpr const char* kNames[] = {"int", "uint", "float", "string", "utf8", "date", "binary", "master"};
  // Codes below 1 wrap to large unsigned values and so fall out with those above 8.
  const auto index = static_cast<std::uint32_t>(type) - 1u;
  return index > 7u ? "unknown" : kNames[index];
}

}  // namespace tarvok
