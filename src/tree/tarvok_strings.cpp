// Reading and printing of string and binary leaf elements.
#include "tree/tarvok_strings.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace tarvok {

namespace {
// A declared size is no promise: buffers start at what the input can still
// hold and grow with the bytes that actually arrive.
constexpr std::uint64_t kFirstCapacity = 64 * 1024;

char* allocate(char* old, std::uint64_t bytes) {
  void* memory = std::realloc(old, static_cast<std::size_t>(bytes));
  if (memory == nullptr) throw std::bad_alloc();
  return static_cast<char*>(memory);
}
}  // namespace

Strings::Strings(const Definition* definition, Input& input, std::uint64_t size) : Element(definition) {
  if (definition->type == BINARY) {
    size_ = input.skip(size);
    return;
  }
  readText(input, size);
}

Strings::~Strings() { std::free(data_); }

void Strings::readText(Input& input, std::uint64_t size) {
  std::uint64_t capacity = std::min(size, kFirstCapacity);
  if (input.hasLength()) capacity = std::min(size, input.length() - input.position());
  data_ = allocate(nullptr, capacity + 1);
  while (size_ < size) {
    if (size_ == capacity) {
      if (input.atEnd()) break;
      capacity = std::min(size, std::max(capacity * 2, kFirstCapacity));
      data_ = allocate(data_, capacity + 1);
    }
    const std::uint64_t got = input.read(reinterpret_cast<std::uint8_t*>(data_) + size_, capacity - size_);
    if (got == 0) break;
    size_ += got;
  }
  data_[size_] = '\0';
}

void Strings::print(std::FILE* out) const {
  Element::print(out);
  const std::int32_t type = definition()->type;
  if (type != STRING && type != UTF8) return;
  std::fputc('"', out);
  std::fputs(data_, out);
  std::fputc('"', out);
}

}  // namespace tarvok
