// Where an element whose size was not known when it was written ends.
#pragma once

#include <cstdint>

#include "codec/tarvok_definition.h"

namespace tarvok {

// True when an element with ID nextId cannot stand inside a container of
// unknown size described by container, so that the container ends just
// before it: an EBML header or a Segment ends any such container; a
// Segment's top-level child (SeekHead, Info, Tracks, Cluster, Cues,
// Attachments, Chapters, Tags) ends any but an EBML header or a Segment.
// A file's root (null) never ends this way.
bool endsSizeUnknown(const Definition* container, std::uint64_t nextId);

}  // namespace tarvok
