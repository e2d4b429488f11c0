// Reading and printing of numeric leaf elements.
#include "tree/tarvok_primitives.h"

#include <algorithm>
#include <bit>
#include <cinttypes>

namespace tarvok {

namespace {
constexpr std::uint64_t kAllBits = ~std::uint64_t{0};
}  // namespace

Primitives::Primitives(const Definition* definition, Input& input, std::uint64_t size, bool sizeUnknown)
    : Element(definition) {
  if (sizeUnknown && input.hasLength()) {
    // With a known length the extent is known too, and can be read as such.
    size = std::min(size, input.length() - input.position());
    sizeUnknown = false;
  }
  if (sizeUnknown)
    size = readToEnd(input, size);
  else
    readKnown(input, size);
  applyWidth(size);
}

void Primitives::readKnown(Input& input, std::uint64_t size) {
  if (size > 8) {
    const std::uint64_t lead = size - 8;
    if (input.skip(lead) < lead) {
      number_ = kAllBits;
      return;
    }
  }
  for (std::uint64_t i = 0, n = std::min<std::uint64_t>(size, 8); i < n; ++i) {
    const int byte = input.get();
    if (byte < 0) {
      number_ = kAllBits;
      return;
    }
    number_ = (number_ << 8) | static_cast<std::uint8_t>(byte);
  }
}

// Reads up to size bytes of a stream, keeping the last 8; returns the count.
std::uint64_t Primitives::readToEnd(Input& input, std::uint64_t size) {
  std::uint64_t count = 0;
  while (count < size) {
    const int byte = input.get();
    if (byte < 0) break;
    number_ = (number_ << 8) | static_cast<std::uint8_t>(byte);
    ++count;
  }
  return count;
}

// Gives narrow INT values their sign and 4-byte FLOAT values their double.
void Primitives::applyWidth(std::uint64_t width) {
  const std::int32_t type = definition()->type;
  if (type == INT && width >= 1 && width <= 7) {
    const unsigned bits = static_cast<unsigned>(width) * 8;
    if ((number_ >> (bits - 1)) & 1u) number_ |= kAllBits << bits;
  } else if (type == FLOAT && width == 4) {
    setDoubleValue(std::bit_cast<float>(static_cast<std::uint32_t>(number_)));
  }
}

void Primitives::print(std::FILE* out) const {
  Element::print(out);
  switch (definition()->type) {
    case INT:
      std::fprintf(out, "%" PRId64, intValue());
      break;
    case UINT:
    case DATE:
      std::fprintf(out, "%" PRIu64, number_);
      break;
    case FLOAT:
      std::fprintf(out, "%f", doubleValue());
      break;
    default:
      break;
  }
}

std::int64_t Primitives::intValue() const { return std::bit_cast<std::int64_t>(number_); }

double Primitives::doubleValue() const { return std::bit_cast<double>(number_); }

void Primitives::setIntValue(std::int64_t value) { number_ = std::bit_cast<std::uint64_t>(value); }

void Primitives::setDoubleValue(double value) { number_ = std::bit_cast<std::uint64_t>(value); }

}  // namespace tarvok
