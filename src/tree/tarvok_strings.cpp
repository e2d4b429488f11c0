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

template <class T>
T* allocate(T* old, std::uint64_t bytes) {
  void* memory = std::realloc(old, static_cast<std::size_t>(bytes));
  if (memory == nullptr) throw std::bad_alloc();
  return static_cast<T*>(memory);
}
}  // namespace

Strings::Strings(const Definition* definition, Input& input, std::uint64_t size) : Element(definition) {
  if (isText())
    readText(input, size);
  else
    binarySize_ = input.skip(size);
}

Strings::~Strings() {
  if (isText()) std::free(text_);
}

void Strings::readText(Input& input, std::uint64_t size) {
  std::uint64_t capacity = std::min(size, kFirstCapacity);
  if (input.hasLength()) capacity = std::min(size, input.length() - input.position());
  text_ = allocate<Text>(nullptr, sizeof(Text) + capacity);
  std::uint64_t held = 0;
  while (held < size) {
    if (held == capacity) {
      if (input.atEnd()) break;
      capacity = std::min(size, std::max(capacity * 2, kFirstCapacity));
      text_ = allocate(text_, sizeof(Text) + capacity);
    }
    const std::uint64_t got = input.read(reinterpret_cast<std::uint8_t*>(text_->bytes) + held, capacity - held);
    if (got == 0) break;
    held += got;
  }
  text_->size = held;
  text_->bytes[held] = '\0';
}

void Strings::print(std::FILE* out) const {
  Element::print(out);
  const std::int32_t type = definition()->type;
  if (type != STRING && type != UTF8) return;
  std::fputc('"', out);
  std::fputs(text_->bytes, out);
  std::fputc('"', out);
}

}  // namespace tarvok
