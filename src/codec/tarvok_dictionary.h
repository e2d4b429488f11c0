// The global, read-only dictionary of known elements.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "codec/tarvok_definition.h"

namespace tarvok {

class Dictionary {
 public:
  // The one dictionary, built during static initialisation and read-only
  // from then on; entries stay at their addresses until the process exits.
  static const Dictionary& instance();

  // The first entry in table order whose id equals id in all 64 bits, or null.
  const Definition* findById(std::uint64_t id) const;
  // The first entry whose name equals name byte for byte, or null.
  const Definition* findByName(std::string_view name) const;
  // Prints every entry's header (without ID), one line each, in table order.
  void dumpAll(std::FILE* out) const;
  const std::vector<Definition>& entries() const { return entries_; }

 private:
  Dictionary();
  const Definition* findMultiByte(std::uint64_t id) const;

  std::vector<Definition> entries_;
  // Index + 1 of the entry for each one-byte ID 0x80 to 0xFF; 0 for none.
  std::array<std::uint8_t, 128> oneByte_{};
  // Open-addressed index + 1 of the entries with longer IDs; 0 for empty.
  static constexpr unsigned kSlotBits = 9;
  std::array<std::uint8_t, 1u << kSlotBits> slots_{};
};

}  // namespace tarvok
