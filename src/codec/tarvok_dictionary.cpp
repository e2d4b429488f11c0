// The dictionary's table, its lookups by ID and by name, and its listing.
#include "codec/tarvok_dictionary.h"

#include "codec/tarvok_element_table.h"

namespace tarvok {

namespace {
unsigned slotOf(std::uint64_t id, unsigned bits) {
  return static_cast<unsigned>((id * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

// Builds the dictionary before main runs, as the first use may come from anywhere.
[[maybe_unused]] const Dictionary& kBuiltAtStartUp = Dictionary::instance();
}  // namespace

const Dictionary& Dictionary::instance() {
  static const Dictionary dictionary;
  return dictionary;
}

Dictionary::Dictionary() {
  entries_.reserve(kElementCount);
  for (const ElementRow& row : kElementTable) entries_.emplace_back(row.name, row.idBytes, row.idLength, row.type);
  const unsigned mask = (1u << kSlotBits) - 1;
  for (std::size_t i = entries_.size(); i-- > 0;) {
    // Filled from the last entry to the first, so that the first of two
    // entries with one ID would win, as a scan in table order finds it.
    const std::uint64_t id = entries_[i].id;
    const auto mark = static_cast<std::uint8_t>(i + 1);
    if (id >= 0x80 && id <= 0xFF) {
      oneByte_[id - 0x80] = mark;
      continue;
    }
    unsigned slot = slotOf(id, kSlotBits);
    while (slots_[slot] != 0 && entries_[slots_[slot] - 1u].id != id) slot = (slot + 1) & mask;
    slots_[slot] = mark;
  }
}

const Definition* Dictionary::findById(std::uint64_t id) const {
  if (id <= 0xFF) {
    const unsigned mark = id >= 0x80 ? oneByte_[id - 0x80] : 0u;
    return mark == 0 ? nullptr : &entries_[mark - 1];
  }
  return findMultiByte(id);
}

const Definition* Dictionary::findMultiByte(std::uint64_t id) const {
  const unsigned mask = (1u << kSlotBits) - 1;
  for (unsigned slot = slotOf(id, kSlotBits);; slot = (slot + 1) & mask) {
    const unsigned mark = slots_[slot];
    if (mark == 0) return nullptr;
    if (entries_[mark - 1].id == id) return &entries_[mark - 1];
  }
}

const Definition* Dictionary::findByName(std::string_view name) const {
  for (const Definition& entry : entries_) {
    if (entry.name.size() == name.size() && entry.name == name) return &entry;
  }
  return nullptr;
}

void Dictionary::dumpAll(std::FILE* out) const {
  for (const Definition& entry : entries_) {
    entry.printHeader(out, false);
    std::fputc('\n', out);
  }
}

}  // namespace tarvok
