// The benchmark's floor: walks every element header of the files given,
// going into masters and jumping over all other data. It builds nothing,
// allocates nothing while walking and prints only the number of elements.
#include <cinttypes>
#include <cstdio>

#include "codec/tarvok_dictionary.h"
#include "codec/tarvok_input.h"
#include "codec/tarvok_vint.h"

namespace {

std::uint64_t walk(tarvok::Input& input, std::uint64_t budget, const tarvok::Dictionary& dictionary) {
  std::uint64_t elements = 0;
  while (budget > 0 && !input.atEnd()) {
    tarvok::Vint id;
    tarvok::Vint size;
    id.read(input);
    size.read(input);
    const std::uint64_t data = size.sizeValue();
    const tarvok::Definition* definition = dictionary.findById(id.value(false));
    ++elements;
    if (definition != nullptr && definition->type == tarvok::MASTER)
      elements += walk(input, data, dictionary);
    else
      input.skip(data);
    const std::uint64_t total = id.length + size.length + data;
    if (total > budget) break;
    budget -= total;
  }
  return elements;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t elements = 0;
  for (int i = 1; i < argc; ++i) {
    tarvok::Input input(argv[i]);
    if (input.isOpen()) elements += walk(input, input.length(), tarvok::Dictionary::instance());
  }
  std::printf("%" PRIu64 " elements\n", elements);
  return 0;
}
