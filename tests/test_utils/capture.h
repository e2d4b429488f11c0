// Helpers that run tarvok's reader and printer on bytes written inline in a
// test and return everything they print.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace tarvok::test {

using Bytes = std::vector<std::uint8_t>;

// Everything that write() prints to the stream it is given.
std::string capture(const std::function<void(std::FILE*)>& write);

// The whole dump of a file holding bytes, named name in the output.
std::string dump(const Bytes& bytes, const char* name = "t.webm");

// The whole content of the file at path ("" when it cannot be read).
std::string readFile(const std::string& path);

// Concatenates byte sequences, so that fixtures read element by element.
Bytes join(std::initializer_list<Bytes> parts);

// A header line of the dump: name in 32 columns, type in 8, then the colon.
std::string header(const char* name, const char* type);

// The report lines: a container that ended early, and one at the depth bound.
inline const std::string kOverrun = "[report] tarvok_master.cpp(     113)\n";
inline const std::string kTooDeep = "[report] tarvok_master.cpp(     256)\n";

}  // namespace tarvok::test
