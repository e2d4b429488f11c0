// What the child reader carries down while it builds one file's tree.
#pragma once

#include <cstdio>
#include <vector>

#include "codec/tarvok_dictionary.h"
#include "codec/tarvok_input.h"
#include "tree/tarvok_node_arena.h"

namespace tarvok {

class Element;

struct ReadContext {
  Input& input;
  NodeArena& arena;
  const Dictionary& dictionary;
  std::FILE* out;        // where diagnostics go while the file is read
  const char* rootName;  // stands for the root in diagnostics: the path as given
  int depth;             // depth of the container being read; the root is 0
  // Children gathered at each depth before they move, exactly sized, into
  // the arena; reused from container to container.
  std::vector<std::vector<Element*>> gathered;
};

}  // namespace tarvok
