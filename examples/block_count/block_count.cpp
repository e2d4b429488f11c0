// Prints the number of blocks (SimpleBlocks, and Blocks in BlockGroups) of
// every Cluster of the Matroska or WebM files given, using tarvok's reader.
#include <tarvok.h>

#include <cstdio>
#include <string>

namespace {

int blocksIn(const tarvok::Master& container) {
  int blocks = 0;
  for (int i = 0; i < container.childCount(); ++i) {
    const tarvok::Element* child = container.child(i);
    const std::string& name = child->definition()->name;
    if (name == "SimpleBlock" || name == "Block") ++blocks;
    if (name == "BlockGroup") blocks += blocksIn(static_cast<const tarvok::Master&>(*child));
  }
  return blocks;
}

// Walks masters down to the Clusters, wherever they stand.
void countClusters(const tarvok::Master& container, int& number) {
  for (int i = 0; i < container.childCount(); ++i) {
    const tarvok::Element* child = container.child(i);
    if (child->definition()->type != tarvok::MASTER) continue;
    const auto& master = static_cast<const tarvok::Master&>(*child);
    if (child->definition()->name == "Cluster") {
      std::printf("Cluster %d: %d blocks\n", ++number, blocksIn(master));
    } else {
      countClusters(master, number);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const tarvok::Master root(argv[i], stderr);  // diagnostics to stderr
    std::printf("%s\n", argv[i]);
    int number = 0;
    countClusters(root, number);
  }
  return 0;
}
