// Per-file framing of the dump.
#include "app/tarvok_dump.h"

#include "tree/tarvok_master.h"

namespace tarvok {

namespace {
void printRoot(const Master& root, const char* name, std::FILE* out) {
  if (root.childCount() == 0) return;
  std::fprintf(out, "[%s]\n", name);
  root.print(out);
}
}  // namespace

void dumpPath(const char* path, std::FILE* out) {
  const Master root(path, out);
  printRoot(root, path, out);
}

void dumpInput(Input& input, const char* name, std::FILE* out) {
  const Master root(input, name, out);
  printRoot(root, name, out);
}

}  // namespace tarvok
