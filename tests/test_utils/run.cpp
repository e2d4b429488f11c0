// Running the program through the shell, for the tests of the whole command.
#include "test_utils/run.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

namespace tarvok::test {

ScratchDir::ScratchDir() {
  char name[] = "/tmp/tarvok-test-XXXXXX";
  path_ = mkdtemp(name);
}

ScratchDir::~ScratchDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }

void ScratchDir::write(const std::string& name, const Bytes& bytes) const {
  std::FILE* file = std::fopen((path_ + "/" + name).c_str(), "wb");
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

Run runTarvok(const std::string& folder, const std::string& arguments) {
  return runShell(folder, "$TARVOK " + arguments);
}

Run runShell(const std::string& folder, const std::string& command) {
  const std::string line = "cd '" + folder + "' && TARVOK='" TARVOK_BINARY "' && " + command;
  std::FILE* pipe = popen(line.c_str(), "r");
  Run run;
  char chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace tarvok::test
