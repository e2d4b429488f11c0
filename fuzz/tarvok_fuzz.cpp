// libFuzzer target: reads any input through the reader and printer that the
// program uses, into a discarded output.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "app/tarvok_dump.h"
#include "codec/tarvok_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static std::FILE* sink = std::fopen("/dev/null", "w");
  tarvok::Input input(data, size);
  tarvok::dumpInput(input, "fuzz", sink);
  return 0;
}
