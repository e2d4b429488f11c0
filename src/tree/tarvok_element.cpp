// Header printing and written size shared by all elements.
#include "tree/tarvok_element.h"

namespace tarvok {

void Element::print(std::FILE* out) const {
  if (definition_ != nullptr) definition_->printHeader(out, false);
}

std::uint32_t Element::encodedSize() const {
  return payloadSize() + static_cast<std::uint32_t>(definition_->idBytes.size()) + 8u;
}

}  // namespace tarvok
