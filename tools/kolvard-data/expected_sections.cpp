#include "kolvard-data/expected_sections.hpp"

#include <unordered_set>

#include "data/cp865.hpp"
#include "domain/edition_names.hpp"
#include "domain/printing_records.hpp"
#include "domain/value_tables.hpp"
#include "kolvard-data/check_context.hpp"

namespace kolvard::datatool {
namespace {

class List {
 public:
  void add(const std::string& name, std::string whenMissing) {
    std::string stored = storedSectionName(name);
    if (seen_.insert(stored).second) list_.push_back({std::move(stored), std::move(whenMissing)});
  }
  std::vector<ExpectedSection> take() { return std::move(list_); }

 private:
  std::vector<ExpectedSection> list_;
  std::unordered_set<std::string> seen_;
};

// The value's picture and printing data; the Icelandic oval values run as edition "T".
void addValue(List& list, const std::string& edition, const std::string& value) {
  const bool oval = edition == "I" && isIcelandOvalValue(value);
  const std::string shown = value + " of edition " + edition;
  const std::string key = (oval ? std::string("T") : edition) + value;
  list.add(key, "the front page shows no picture of " + shown);
  const std::string data = printingSectionName(oval ? "T" : edition, value);
  if (!data.empty()) list.add(data, "the screens find no printings of " + shown);
}

std::vector<ExpectedSection> build() {
  List list;
  list.add("AINFOF1", "F1 shows no text");
  list.add("KOLVARD", "the front page shows no logo");
  list.add("KOLVM", "the watermark pages show no drawings");
  list.add("TRAMDAT", "the two-coloured screens show no frames");
  list.add("TTRYK", "no frame setting shows its printing order");
  list.add("TSERIER", "the frame settings have no descriptions");
  list.add("TOVALIN", "the oval composites show no oval");
  list.add("THGR2", "the front page shows most two-coloured values without their frame");
  list.add("THGR1", "the front page shows 48s of edition T without its frame");
  list.add("THGR4", cp("the front page shows 5ø of edition T without its frame"));
  list.add("TIRAM", "the front page shows the Icelandic oval values without their frame");
  for (const char e : kMenuEditions) {
    const std::string ed(1, e);
    const std::string of = " of edition " + ed;
    list.add(ed + "INFOF2", "F2 shows no text" + of);
    list.add(ed + "INFOF0", "the help lines" + of + " are empty");
    list.add(ed + "HELARK", e == 'T' ? "the frame schemas show no whole-sheet texts"
                                     : "no whole sheet" + of + " is known");
    list.add(ed + "RFANTAL", e == 'T' ? "no frame setting has flaws to show"
                                      : "the printing counts" + of + " read as 0");
    list.add(ed + "TYPER", "the type screen" + of + " shows nothing");
    list.add(ed + "CSERIER", "the flaw screens" + of + " know no series");
    for (const std::string& value : valuesOf(ed)) addValue(list, ed, value);
  }
  return list.take();
}

}  // namespace

const std::vector<ExpectedSection>& expectedSections() {
  static const std::vector<ExpectedSection> sections = build();
  return sections;
}

}  // namespace kolvard::datatool
