// The element dictionary: type names, headers, lookups and the table's
// invariants.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "codec/tarvok_dictionary.h"
#include "codec/tarvok_vint.h"
#include "test_utils/capture.h"

namespace tarvok {
namespace {

const Dictionary& dictionary() { return Dictionary::instance(); }

TEST(TypeName, NamesCodesOneToEightAndNothingElse) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {1, "int"},    {2, "uint"},   {3, "float"},   {4, "string"},  {5, "utf8"},     {6, "date"},
      {7, "binary"}, {8, "master"}, {0, "unknown"}, {9, "unknown"}, {-1, "unknown"}, {INT32_MIN, "unknown"}};
  for (const auto& [code, name] : cases) EXPECT_STREQ(typeName(code), name) << code;
}

TEST(Definition, PrintsHeaderWithAndWithoutId) {
  const Definition* ebml = dictionary().findById(0x1A45DFA3);
  ASSERT_NE(ebml, nullptr);
  EXPECT_EQ(test::capture([&](std::FILE* out) { ebml->printHeader(out, false); }),
            "                            EBML(  master):");
  EXPECT_EQ(test::capture([&](std::FILE* out) { ebml->printHeader(out, true); }),
            "                            EBML(  master){0x1A45DFA3}:");
  const Definition* voidEntry = dictionary().findByName("Void");
  EXPECT_EQ(test::capture([&](std::FILE* out) { voidEntry->printHeader(out, true); }),
            "                            Void(  binary){0xEC}:");
}

TEST(Dictionary, HoldsTheTableWithItsCounts) {
  const auto& entries = dictionary().entries();
  ASSERT_EQ(entries.size(), 223u);
  std::map<std::int32_t, int> byType;
  std::map<std::size_t, int> byLength;
  std::set<std::string> names;
  std::set<std::uint64_t> ids;
  for (const Definition& entry : entries) {
    ++byType[entry.type];
    ++byLength[entry.idBytes.size()];
    names.insert(entry.name);
    ids.insert(entry.id);
    EXPECT_LE(entry.name.size(), 32u);
  }
  EXPECT_EQ(names.size(), 223u);
  EXPECT_EQ(ids.size(), 223u);
  EXPECT_EQ(byType,
            (std::map<std::int32_t, int>{
                {UINT, 108}, {MASTER, 46}, {BINARY, 33}, {UTF8, 15}, {STRING, 10}, {FLOAT, 6}, {INT, 4}, {DATE, 1}}));
  EXPECT_EQ(byLength, (std::map<std::size_t, int>{{1, 75}, {2, 122}, {3, 16}, {4, 10}}));
}

TEST(Dictionary, EveryEntryIsFoundByTheIdThatAReaderComputes) {
  for (const Definition& entry : dictionary().entries()) {
    Input input(entry.idBytes.data(), entry.idBytes.size());
    Vint vint;
    vint.read(input);
    EXPECT_EQ(vint.length, entry.idBytes.size()) << entry.name;
    EXPECT_EQ(vint.value(false), entry.id) << entry.name;
    EXPECT_EQ(dictionary().findById(vint.value(false)), &entry) << entry.name;
  }
}

TEST(Dictionary, FindByIdComparesAllSixtyFourBits) {
  EXPECT_EQ(dictionary().findById(0x1A45DFA3)->name, "EBML");
  EXPECT_EQ(dictionary().findById(0xEC)->name, "Void");
  EXPECT_EQ(dictionary().findById(0xA3)->name, "SimpleBlock");
  EXPECT_EQ(dictionary().findById(0xFF), nullptr);
  EXPECT_EQ(dictionary().findById(0), nullptr);
  EXPECT_EQ(dictionary().findById(0x7F), nullptr);
  EXPECT_EQ(dictionary().findById(0x1A45DFA3ull | (1ull << 40)), nullptr);
  EXPECT_EQ(dictionary().findById(0xECull | (1ull << 32)), nullptr);
  EXPECT_EQ(dictionary().findById(0x0A45DFA3), nullptr);  // marker removed
  EXPECT_EQ(dictionary().findById(0x1043A770), nullptr);  // Chapters is not in the table
}

TEST(Dictionary, FindByNameIsExactAndCaseSensitive) {
  const auto& entries = dictionary().entries();
  EXPECT_EQ(dictionary().findByName("Void"), &entries[213]);
  EXPECT_EQ(dictionary().findByName("void"), nullptr);
  EXPECT_EQ(dictionary().findByName("Voi"), nullptr);
  EXPECT_EQ(dictionary().findByName("ChapterAtom3+"), &entries[43]);
}

TEST(Dictionary, DumpAllPrintsEveryHeaderInTableOrder) {
  const std::string text = test::capture([](std::FILE* out) { dictionary().dumpAll(out); });
  std::istringstream lines(text);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  ASSERT_EQ(all.size(), 223u);
  EXPECT_EQ(all.front(), "                            EBML(  master):");
  EXPECT_EQ(all.back(), "                   SignedElement(  binary):");
  EXPECT_EQ(all[126], "     DefaultDecodedFieldDuration(    uint):");
}

}  // namespace
}  // namespace tarvok
