// Runs the tarvok program in a scratch folder and collects what it prints.
#pragma once

#include <string>

#include "test_utils/capture.h"

namespace tarvok::test {

struct Run {
  std::string out;
  int status;
};

// A fresh folder under /tmp, removed with its files at the end of the scope.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::string& path() const { return path_; }
  // Writes bytes to the file name in the folder.
  void write(const std::string& name, const Bytes& bytes) const;

 private:
  std::string path_;
};

// Runs `tarvok <arguments>` with the shell in folder (arguments are shell
// words); standard error is not collected.
Run runTarvok(const std::string& folder, const std::string& arguments);
// Runs a shell command in folder, in which $TARVOK names the program.
Run runShell(const std::string& folder, const std::string& command);

}  // namespace tarvok::test
