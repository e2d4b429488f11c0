// Reading, decoding, printing and writing of variable-length integers.
#include "codec/tarvok_vint.h"

#include <bit>

namespace tarvok {

namespace {
std::uint8_t lengthOf(std::uint8_t first) {
  return first == 0 ? 1 : static_cast<std::uint8_t>(std::countl_zero(first) + 1);
}
}  // namespace

int Vint::read(Input& input) {
  bytes[0] = static_cast<std::uint8_t>(input.get());
  length = lengthOf(bytes[0]);
  for (int i = 1; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(input.get());
  return length;
}

int Vint::assign(const std::uint8_t* begin, const std::uint8_t* end) {
  return assign(begin, static_cast<int>(end - begin));
}

int Vint::assign(const std::uint8_t* data, int count) {
  // More than eight bytes cannot be held; keep the first eight.
  if (count > 8) count = 8;
  length = static_cast<std::uint8_t>(count);
  for (int i = 0; i < count; ++i) bytes[i] = data[i];
  return length;
}

std::uint64_t Vint::value(bool stripMarker) const {
  std::uint64_t result = bytes[0];
  if (stripMarker) result &= 0xFFu >> length;
  for (int i = 1; i < length; ++i) result = (result << 8) | bytes[i];
  return result;
}

bool Vint::isUnknownSize() const {
  if (length < 5) return false;
  const std::uint64_t allOnes = (std::uint64_t{1} << (7 * length)) - 1;
  // Writers that keep sizes in 32 bits mark an unknown size as 08 FF FF FF FF.
  return sizeValue() == allOnes || (length == 5 && sizeValue() == 0xFFFFFFFF);
}

void Vint::dump(std::FILE* out) const {
  std::fprintf(out, "[vint] <%d> 0x", length);
  for (int i = 0; i < length; ++i) std::fprintf(out, "%02X", bytes[i]);
  std::fputc('\n', out);
}

int writeSize8(std::uint64_t value, std::FILE* stream) {
  std::fputc(0x01, stream);
  for (int shift = 48; shift > 0; shift -= 8) std::fputc(static_cast<int>((value >> shift) & 0xFF), stream);
  return std::fputc(static_cast<int>(value & 0xFF), stream);
}

}  // namespace tarvok
