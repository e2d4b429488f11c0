// The child reader, which builds a file's tree in one forward pass, and the
// printing and destruction of containers.
#include "tree/tarvok_master.h"

#include <algorithm>
#include <cinttypes>
#include <limits>
#include <string_view>

#include "codec/tarvok_vint.h"
#include "tree/tarvok_primitives.h"
#include "tree/tarvok_size_unknown.h"
#include "tree/tarvok_strings.h"

namespace tarvok {

namespace {
// Codes of the report line, which names this source file.
constexpr int kReportUnknownType = 97;
constexpr int kReportOverrun = 113;
constexpr int kReportTooDeep = Master::kMaxDepth;

constexpr std::string_view baseName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
constexpr std::string_view kSourceName = baseName(__FILE__);

void report(std::FILE* out, int code) {
  std::fprintf(out, "[report] %.*s(%8d)\n", static_cast<int>(kSourceName.size()), kSourceName.data(), code);
}
}  // namespace

// What the reader learnt from an element's ID and size fields.
struct Master::Head {
  Vint id;
  Vint size;
  const Definition* definition = nullptr;
  std::uint64_t length = 0;  // bytes of both fields
  bool sizeUnknown = false;
};

Master::Master(const char* path, std::FILE* out) : Element(nullptr) {
  Input input(path);
  if (input.isOpen()) readRoot(input, path, out);
}

Master::Master(Input& input, const char* name, std::FILE* out) : Element(nullptr) { readRoot(input, name, out); }

Master::Master(const Definition* definition, ReadContext& ctx, std::uint64_t size, bool sizeUnknown)
    : Element(definition) {
  readChildren(ctx, size, sizeUnknown);
}

Master::~Master() {
  // The nodes live in the root's arena: only their destructors run here.
  for (std::size_t i = 0; i < childCount_; ++i) children_[i]->~Element();
}

void Master::readRoot(Input& input, const char* name, std::FILE* out) {
  arena_ = std::make_unique<NodeArena>();
  ReadContext ctx{input, *arena_, Dictionary::instance(), out, name, 0, {}};
  ctx.gathered.resize(static_cast<std::size_t>(kMaxDepth) + 1);
  // A stream has no length: it is read like a container of unknown size,
  // whose normal end is the end of the stream.
  const bool stream = !input.hasLength();
  readChildren(ctx, stream ? std::numeric_limits<std::uint64_t>::max() : input.length() - input.position(), stream);
}

void Master::readChildren(ReadContext& ctx, std::uint64_t budget, bool sizeUnknown) {
  std::vector<Element*>& found = ctx.gathered[static_cast<std::size_t>(ctx.depth)];
  found.clear();
  readElements(ctx, budget, sizeUnknown, found);
  childCount_ = found.size();
  children_ = ctx.arena.makeArray<Element*>(childCount_);
  std::copy(found.begin(), found.end(), children_);
}

// Reads elements until the budget is spent. A known-size container counts
// each child by its declared length; a child of unknown size by the bytes it
// spans. The end of the input ends a container of unknown size normally and
// any other with a report.
void Master::readElements(ReadContext& ctx, std::uint64_t budget, bool sizeUnknown,
                          std::vector<Element*>& found) const {
  Input& input = ctx.input;
  while (budget > 0) {
    Head head;
    const Step step = readHead(ctx, sizeUnknown, head);
    if (step == Step::kEnd) return;
    if (step == Step::kStop) return report(ctx.out, kReportOverrun);
    const std::uint64_t start = input.position();
    const std::uint64_t bound = budget > head.length ? budget - head.length : 0;
    Element* child = readChild(ctx, head, head.sizeUnknown ? bound : head.size.sizeValue());
    if (child != nullptr) found.push_back(child);
    const std::uint64_t data = head.sizeUnknown ? input.position() - start : head.size.sizeValue();
    const std::uint64_t total = head.length + data;
    if (total > budget) return report(ctx.out, kReportOverrun);
    budget -= total;
  }
}

Master::Step Master::readHead(ReadContext& ctx, bool sizeUnknown, Head& head) const {
  Input& input = ctx.input;
  const Step cutOff = sizeUnknown ? Step::kEnd : Step::kStop;
  if (input.atEnd()) return cutOff;
  const std::uint64_t start = input.position();
  head.id.read(input);
  // A zero byte has no length marker: no integer can be read here.
  if (head.id.bytes[0] == 0) return Step::kStop;
  if (input.position() - start < head.id.length) return cutOff;
  const std::uint64_t id = head.id.value(false);
  if (sizeUnknown && endsSizeUnknown(definition(), id)) {
    input.unread(head.id.length);  // the element belongs to an outer container
    return Step::kEnd;
  }
  head.size.read(input);
  if (head.size.bytes[0] == 0) return Step::kStop;
  head.length = std::uint64_t{head.id.length} + head.size.length;
  if (input.position() - start < head.length) return cutOff;
  head.definition = ctx.dictionary.findById(id);
  head.sizeUnknown = head.size.isUnknownSize();
  return Step::kElement;
}

// Builds the child that the element's type calls for; passes over an
// element that the dictionary does not hold, and returns null for it.
Element* Master::readChild(ReadContext& ctx, const Head& head, std::uint64_t size) const {
  const Definition* definition = head.definition;
  if (definition == nullptr) return skipUnknown(ctx, head, size);
  switch (definition->type) {
    case STRING:
    case UTF8:
    case BINARY:
      return ctx.arena.make<Strings>(definition, ctx.input, size);
    case INT:
    case UINT:
    case FLOAT:
    case DATE:
      return ctx.arena.make<Primitives>(definition, ctx.input, size, head.sizeUnknown);
    case MASTER:
      return readNested(ctx, head, size);
    default:
      report(ctx.out, kReportUnknownType);
      return nullptr;
  }
}

Element* Master::skipUnknown(ReadContext& ctx, const Head& head, std::uint64_t size) const {
  const std::uint64_t skipped = ctx.input.skip(size);
  const char* container = definition() != nullptr ? definition()->name.c_str() : ctx.rootName;
  std::fprintf(ctx.out, "unknown element fonud in <%s>\n", container);
  std::fprintf(ctx.out, "ignore(%" PRIu64 " bytes).", head.sizeUnknown ? skipped : size);
  head.id.dump(ctx.out);
  return nullptr;
}

Master* Master::readNested(ReadContext& ctx, const Head& head, std::uint64_t size) const {
  if (ctx.depth + 1 >= kMaxDepth) {
    ctx.input.skip(size);
    report(ctx.out, kReportTooDeep);
    return ctx.arena.make<Master>(head.definition);
  }
  ++ctx.depth;
  Master* nested = ctx.arena.make<Master>(head.definition, ctx, size, head.sizeUnknown);
  --ctx.depth;
  return nested;
}

std::uint32_t Master::payloadSize() const {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < childCount_; ++i) sum += children_[i]->encodedSize();
  return sum;
}

namespace {
void printRun(std::FILE* out, const Definition* first, std::uint64_t count) {
  if (count == 0) return;
  first->printHeader(out, false);
  std::fprintf(out, "...x%" PRIu64 "\n", count);
}
}  // namespace

void Master::print(std::FILE* out) const {
  Element::print(out);
  std::fputc('\n', out);
  const Definition* runFirst = nullptr;
  std::uint64_t runLength = 0;
  for (std::size_t i = 0; i < childCount_; ++i) {
    const Element* child = children_[i];
    if (child->definition()->type == BINARY) {
      if (runLength++ == 0) runFirst = child->definition();
      continue;
    }
    printRun(out, runFirst, runLength);
    runLength = 0;
    child->print(out);
    std::fputc('\n', out);
  }
  printRun(out, runFirst, runLength);
}

}  // namespace tarvok
