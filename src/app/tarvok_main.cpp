// tarvok: prints the element tree of each EBML file named on the command line.
#include <cstdio>

#include "app/tarvok_dump.h"

int main(int argc, char** argv) {
  // One large buffer: a dump of millions of lines then costs few writes,
  // to a pipe as to a file.
  static char buffer[1 << 20];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  for (int i = 1; i < argc; ++i) tarvok::dumpPath(argv[i], stdout);
  // Bad input never fails a run, but output that could not be written does:
  // a truncated dump must not pass for a complete one.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fputs("tarvok: cannot write the dump to standard output\n", stderr);
    return 1;
  }
  return 0;
}
