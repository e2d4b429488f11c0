// Construction of dictionary entries and the header of every dump line.
#include "codec/tarvok_definition.h"

#include "codec/tarvok_vint.h"

namespace tarvok {

Definition::Definition(const char* entryName, const std::uint8_t* entryId, int idLength, std::int32_t entryType)
    : name(entryName), idBytes(entryId, entryId + idLength), type(entryType) {
  Vint vint;
  vint.assign(idBytes.data(), idLength);
  id = vint.value(false);
  char text[128];
  const int width = std::snprintf(text, sizeof text, "%32s(%8s)", entryName, typeName(entryType));
  header_.assign(text, width > 0 ? static_cast<std::size_t>(width) : 0);
}

void Definition::printHeader(std::FILE* out, bool withId) const {
  std::fputs(header_.c_str(), out);
  if (withId) {
    std::fputs("{0x", out);
    for (const std::uint8_t byte : idBytes) std::fprintf(out, "%02X", byte);
    std::fputc('}', out);
  }
  std::fputc(':', out);
}

}  // namespace tarvok
