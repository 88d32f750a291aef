#include "kolvard-data/section_kinds.hpp"

#include <algorithm>
#include <unordered_map>

#include "domain/composite_names.hpp"
#include "domain/edition_names.hpp"
#include "domain/value_tables.hpp"
#include "kolvard-data/check_context.hpp"
#include "ui/run_length_picture.hpp"
#include "ui/screen.hpp"

namespace kolvard::datatool {
namespace {

// The fonts read at zoom 2 have 48-byte glyph records, every other font 512-byte ones.
constexpr std::string_view kSmallRecordFonts[] = {"0A020", "0A025", "0A028", "0A038"};
constexpr int kEditionPictureRows = 733;  // the pictures of the two-coloured frame and centres

SectionClass of(SectionKind kind, std::string edition = "", std::string value = "", int rows = 0,
                int recordSize = 0) {
  return {kind, std::move(edition), std::move(value), rows, recordSize, 0, 0, 0};
}

// The picture rows of a composite: 912 for "R" and "C", 888 for "P" and "L", else 980.
int compositeRows(char edition) {
  if (edition == 'R' || edition == 'C') return 912;
  if (edition == 'P' || edition == 'L') return 888;
  return 980;
}

// After the value: "F" + series digits + "-" + code, or "Q1-" + code (the set letter is
// handed over in front of what follows the value).
SectionClass composite(const std::string& edition, const std::string& value,
                       std::string_view rest) {
  if (rest.size() < 4 || (rest[0] != 'F' && rest[0] != 'Q')) return {};
  const std::string_view series = rest.substr(1, rest.size() - 3);
  if (rest[rest.size() - 2] != '-' || series.empty() || series.size() > 2) return {};
  if (!std::all_of(series.begin(), series.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return {};
  if (rest[0] == 'Q' && series != "1") return {};
  const auto n = compositeNumber(rest.back());
  if (!n) return {};
  SectionClass kind = of(SectionKind::Composite, edition, value, compositeRows(edition[0]));
  kind.set = rest[0];
  kind.series = std::stoi(std::string(series));
  kind.composite = *n;
  return kind;
}

struct Catalogue {
  std::unordered_map<std::string, SectionClass> fixed;
  // Per edition letter: (stored value code, value) pairs, "5O" for "5ø".
  std::unordered_map<char, std::vector<std::pair<std::string, std::string>>> values;

  Catalogue() {
    for (const std::string_view font : fontSectionNames()) {
      const std::string name = storedSectionName(font);
      const bool small = std::find(std::begin(kSmallRecordFonts), std::end(kSmallRecordFonts),
                                   name) != std::end(kSmallRecordFonts);
      fixed[name] = of(SectionKind::Font, "", "", 0, small ? 48 : 512);
    }
    fixed["AINFOF1"] = of(SectionKind::InformationText);
    fixed["KOLVARD"] = of(SectionKind::Picture, "", "", kLogoRows);
    fixed["KOLVM"] = of(SectionKind::Picture, "", "", pictureRowsFor("vm").rows);
    for (const char* name : {"TIRAM", "THGR1", "THGR2", "THGR4", "TOVALIN"}) {
      fixed[name] = of(SectionKind::Picture, "T", "", kEditionPictureRows);
    }
    // The Icelandic oval values run as edition "T": their pictures are "T" + value.
    for (const std::string& value : valuesOf("I")) {
      if (isIcelandOvalValue(value)) {
        fixed[storedSectionName("T" + value)] =
            of(SectionKind::Picture, "T", value, kEditionPictureRows);
      }
    }
    fixed["TRAMDAT"] = of(SectionKind::FrameData, "T", "", 0, 18);
    fixed["TTRYK"] = of(SectionKind::PrintingOrder, "T", "", 0, 320);
    // The two-coloured value data, with the Icelandic oval values that run as edition "T".
    for (const std::string& value : valuesOf("T")) {
      fixed[storedSectionName("T" + value) + "DAT"] =
          of(SectionKind::TwoColourValueData, "T", value);
    }
    for (const std::string& value : valuesOf("I")) {
      if (!isIcelandOvalValue(value)) continue;
      const std::string key = storedSectionName("T" + value);
      fixed[key + "DAT"] = of(SectionKind::TwoColourValueData, "T", value);
      fixed[key + "0"] = of(SectionKind::SeriesLimits, "T", value);
      values['T'].emplace_back(key.substr(1), value);
    }
    fixed["TSERIER"] = of(SectionKind::FixedRecords, "T", "", 0, 24);
    for (const char e : kMenuEditions) {
      const std::string ed(1, e);
      fixed[ed + "INFOF2"] = of(SectionKind::InformationText, ed);
      fixed[ed + "INFOF0"] = of(SectionKind::InformationText, ed);
      fixed[ed + "RFANTAL"] = of(SectionKind::PrintingCounts, ed);
      fixed[ed + "HELARK"] = of(SectionKind::WholeSheets, ed);
      fixed[ed + "TYPER"] = of(SectionKind::TypePages, ed, "", 0, e == 'T' ? 36 : 64);
      fixed[ed + "CSERIER"] = of(SectionKind::SeriesIndex, ed);
      for (const std::string& value : valuesOf(ed)) {
        const std::string key = storedSectionName(ed + value);
        values[e].emplace_back(key.substr(1), value);
        fixed.try_emplace(key, of(SectionKind::Picture, ed, value, pictureRowsFor(ed).rows));
        fixed.try_emplace(key + "DAT", of(SectionKind::PrintingData, ed, value));
        fixed.try_emplace(key + "DAU", of(SectionKind::SheetTexts, ed, value));
        fixed.try_emplace(key + "0", of(SectionKind::SeriesLimits, ed, value));
      }
    }
  }

  // The value of edition `e` whose stored code starts `rest`, and what follows it.
  const std::pair<std::string, std::string>* valueAtStart(char e, std::string_view rest) const {
    const auto it = values.find(e);
    if (it == values.end()) return nullptr;
    for (const auto& entry : it->second) {
      if (rest.starts_with(entry.first)) return &entry;
    }
    return nullptr;
  }
};

bool allDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The two-coloured composites without a value in their names: a frame setting's ("TF28-1",
// written as series 28 of no value) and the ovals of "100ø" and "100a" ("TF100O-1").
SectionClass twoColourComposite(std::string_view rest) {
  if (rest.size() < 3 || rest[rest.size() - 2] != '-') return {};
  const auto n = compositeNumber(rest.back());
  const std::string_view head = rest.substr(0, rest.size() - 2);
  if (!n) return {};
  SectionClass kind = of(SectionKind::Composite, "T", "", compositeRows('T'));
  kind.set = 'F';
  kind.composite = *n;
  if (head == "100O" || head == "100A") {
    kind.value = head == "100O" ? "100\x9b" : "100a";
    kind.series = 1;
    return kind;
  }
  if (head.empty() || head.size() > 2 || !allDigits(head)) return {};
  kind.series = std::stoi(std::string(head));
  return kind;
}

}  // namespace

SectionClass classifySection(std::string_view name) {
  static const Catalogue catalogue;
  if (const auto it = catalogue.fixed.find(std::string(name)); it != catalogue.fixed.end()) {
    return it->second;
  }
  if (name.size() < 3) return {};
  // The frame types of the two-coloured edition: "TM" + type (no value of "T" starts "M").
  if (name.starts_with("TM")) return of(SectionKind::TypeRecord, "T", "R");
  const char e = name[0];
  const std::string ed(1, e);
  // Printing information: edition + "D" + value + printing.
  if (name[1] == 'D') {
    if (const auto* v = catalogue.valueAtStart(e, name.substr(2));
        v != nullptr && name.size() > 2 + v->first.size()) {
      return of(SectionKind::PrintingInformation, ed, v->second);
    }
  }
  // Composite: edition + "F" or "Q" + value + series + "-" + code (values begin with a digit).
  if (e == 'T' && name[1] == 'F') {
    if (const SectionClass kind = twoColourComposite(name.substr(2));
        kind.kind != SectionKind::Unknown)
      return kind;
  }
  if (name[1] == 'F' || name[1] == 'Q') {
    const auto* v = catalogue.valueAtStart(e, name.substr(2));
    if (v == nullptr) return {};
    const std::string rest = name[1] + std::string(name.substr(2 + v->first.size()));
    return composite(ed, v->second, rest);
  }
  const auto* v = catalogue.valueAtStart(e, name.substr(1));
  // A frame flaw record of the two-coloured edition: "T" + setting code + "-" + two digits.
  if (v == nullptr && e == 'T') {
    const auto dash = name.find('-');
    if (dash != std::string_view::npos && dash > 1 && name.size() == dash + 3 &&
        allDigits(name.substr(1, dash - 1))) {
      return of(SectionKind::ClicheRecord, ed, "");
    }
  }
  if (v == nullptr) return {};
  const std::string_view rest = name.substr(1 + v->first.size());
  // Type record: "M" + type (a type code may hold a "-").
  if (rest.size() > 1 && rest[0] == 'M') return of(SectionKind::TypeRecord, ed, v->second);
  // Cliché record: series digits, "-", two key digits.
  if (const auto dash = rest.find('-'); dash != std::string_view::npos) {
    if (allDigits(rest.substr(0, dash)) && rest.size() == dash + 3) {
      return of(SectionKind::ClicheRecord, ed, v->second);
    }
    return {};
  }
  return {};
}

}  // namespace kolvard::datatool
