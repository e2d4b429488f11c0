// The IDs that end a container of unknown size.
#include "tree/tarvok_size_unknown.h"

#include <algorithm>
#include <array>

namespace tarvok {

namespace {
// By ID rather than by dictionary entry: Chapters is not in the dictionary
// and still ends a Cluster of unknown size.
constexpr std::array<std::uint64_t, 2> kFileLevel = {
    0x1A45DFA3,  // EBML
    0x18538067,  // Segment
};
constexpr std::array<std::uint64_t, 8> kSegmentLevel = {
    0x114D9B74,  // SeekHead
    0x1549A966,  // Info
    0x1654AE6B,  // Tracks
    0x1F43B675,  // Cluster
    0x1C53BB6B,  // Cues
    0x1941A469,  // Attachments
    0x1043A770,  // Chapters
    0x1254C367,  // Tags
};

template <std::size_t N>
bool holds(const std::array<std::uint64_t, N>& ids, std::uint64_t id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}
}  // namespace

bool endsSizeUnknown(const Definition* container, std::uint64_t nextId) {
  if (container == nullptr) return false;
  if (holds(kFileLevel, nextId)) return true;
  return !holds(kFileLevel, container->id) && holds(kSegmentLevel, nextId);
}

}  // namespace tarvok
