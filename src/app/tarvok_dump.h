// The dump of one file: its diagnostics, then its path line and its tree.
#pragma once

#include <cstdio>

#include "codec/tarvok_input.h"

namespace tarvok {

// Reads the file at path and writes its dump to out: the diagnostics printed
// while reading, then, if the file yielded at least one top-level element,
// "[path]" and the tree. A path that cannot be opened or read prints nothing.
void dumpPath(const char* path, std::FILE* out);
// The same for an input already opened; name stands for the path.
void dumpInput(Input& input, const char* name, std::FILE* out);

}  // namespace tarvok
