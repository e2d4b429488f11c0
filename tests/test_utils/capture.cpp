// Output capture through a temporary file, which any FILE* writer accepts.
#include "test_utils/capture.h"

#include "app/tarvok_dump.h"
#include "codec/tarvok_input.h"

namespace tarvok::test {

std::string capture(const std::function<void(std::FILE*)>& write) {
  std::FILE* file = std::tmpfile();
  write(file);
  std::fflush(file);
  std::rewind(file);
  std::string text;
  char chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, got);
  std::fclose(file);
  return text;
}

std::string dump(const Bytes& bytes, const char* name) {
  return capture([&](std::FILE* out) {
    Input input(bytes.data(), bytes.size());
    dumpInput(input, name, out);
  });
}

std::string readFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return "";
  return capture([&](std::FILE* out) {
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) std::fwrite(chunk, 1, got, out);
    std::fclose(file);
  });
}

Bytes join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::string header(const char* name, const char* type) {
  char text[64];
  std::snprintf(text, sizeof text, "%32s(%8s):", name, type);
  return text;
}

}  // namespace tarvok::test
