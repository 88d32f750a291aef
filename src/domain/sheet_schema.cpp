#include "domain/sheet_schema.hpp"

#include <algorithm>
#include <initializer_list>

#include "data/text_fields.hpp"
#include "domain/cliche_numbers.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/value_text.hpp"

namespace kolvard {
namespace {

bool isOneOf(std::string_view text, std::initializer_list<std::string_view> list) {
  for (const std::string_view item : list) {
    if (text == item) return true;
  }
  return false;
}

std::string withoutMarks(std::string_view text) {
  std::string out(withoutTrailingPadding(text));
  if (!out.empty() && out.front() == '?') out.erase(0, 1);
  return out;
}

}  // namespace

SheetOfPrinting readSheetOfPrinting(const DataFile& file, const std::string& edition,
                                    const std::string& value, const std::string& printing) {
  SheetOfPrinting sheet;
  const SectionRef section = findPrintingSection(file, edition, value);
  sheet.sectionFound = section.found();
  PrintingRecordReader reader(file, section, edition, value, FlagMode::Raw);
  const int shown = std::clamp(leadingNumber(printing), 1, kEndOfDataPrinting - 1);
  reader.reset(firstPrintingApplied(edition, value, shown));
  int further = readsOneFurtherPrinting(edition, value, printing) ? 1 : 0;
  // Every call moves on through the section, and the call after the end mark completes
  // printing 9999; the bound is a second guard.
  const std::size_t mostSteps = reader.recordCount() + 3;
  for (std::size_t steps = 0; steps < mostSteps; ++steps) {
    const PrintingStep step = reader.nextPrinting();
    if (step.completed >= kEndOfDataPrinting) break;
    if (step.completed < shown) {
      // A printing that changes during its run leaves its later state to those that follow.
      if (reader.positions().splitStates()) reader.positions().promoteSecondStates();
      continue;
    }
    if (further-- > 0) continue;
    break;
  }
  sheet.table = reader.positions();
  sheet.format = reader.format();
  return sheet;
}

FlagMarks flagMarks(std::string_view flag) {
  FlagMarks m;
  if (flag.empty()) return m;
  switch (flag.front()) {
    case '?':
    case 'z':
      m.box = true;
      break;
    case 'o':
      m.box = m.right = true;
      break;
    case 'p':
      m.box = m.left = true;
      break;
    case 'q':
      m.box = m.right = m.left = true;
      break;
    case '!':
    case 'Z':
      m.box = m.outline = true;
      break;
    case '*':
      m.outline = true;
      break;
    case 'O':
      m.box = m.outline = m.right = true;
      break;
    case 'P':
      m.box = m.outline = m.left = true;
      break;
    case 'Q':
      m.box = m.outline = m.right = m.left = true;
      break;
    case 'n':
    case 'X':
      m.star = true;
      break;
    case 'F':
      m.star = m.outline = true;
      break;
    case 'N':
      m.box = m.star = true;
      break;
    case 'U':
      m.box = m.right = m.star = true;
      break;
    case 'V':
      m.box = m.left = m.star = true;
      break;
    case 'W':
      m.box = m.right = m.left = m.star = true;
      break;
    default:
      break;
  }
  return m;
}

bool isNewClicheFlag(std::string_view flag) {
  return !flag.empty() && std::string_view("nFNUVWX").find(flag.front()) != std::string_view::npos;
}

std::string paneName(std::string_view edition, std::string_view value, std::string_view printing,
                     int pane) {
  const std::string key = std::string(edition) + std::string(value) + std::string(printing);
  const bool right = pane % 2 == 1;
  if (isOneOf(key,
              {"C3c1", "C3c2", "C3c3", "P2s1", "P4s1", "P4s2", "P4s3", "L8s1", "L4s1", "L4s2"})) {
    return right ? " plade II" : " plade I";
  }
  if (isOneOf(key, {"P4s4", "P4s6", "L4s3", "L4s4"})) return right ? " plade IV" : " plade III";
  if (isOneOf(key, {"P4s5", "L4s5", "L4s6"})) return right ? " plade VI" : " plade V";
  if (key == "L4s7") return right ? " plade VIII" : " plade VII";
  if (isOneOf(key, {"A4s4", "A4s6"})) {
    static const char* const kNames[] = {"  A-ark", "  B-ark", "  Supplement 1", "  Supplement 2"};
    return kNames[pane & 3];
  }
  static const char* const kSheets[] = {"  A-ark", "  B-ark", "  C-ark", "  D-ark"};
  return kSheets[pane & 3];
}

bool readsOneFurtherPrinting(std::string_view edition, std::string_view value,
                             std::string_view printing) {
  const std::string key = std::string(edition) + std::string(value) + std::string(printing);
  return isOneOf(key, {"P4s5", "A2s4b", "A3s3b", "A4s8b", "A4s10b", "A4s12",
                       "V20\x9b"
                       "14b"});
}

std::string cellTypeText(std::string_view type) {
  return withoutMarks(type);
}

std::string cellClicheText(std::string_view edition, std::string_view value,
                           std::string_view printing, std::string_view cliche) {
  const std::string number = withoutMarks(cliche);
  if (number.empty() || !isPlateEdition(edition)) return number;
  const std::string valueKey = std::string(edition) + std::string(value);
  if (!isPlateCodedValue(valueKey)) return number;
  const std::string label = clicheLabel(valueKey, printing, number);
  // A number that is not plate-coded after all keeps its plain form.
  if (label.starts_with("C.")) return number;
  return label;
}

bool isRepeatedCopy(const PositionTable& table, SheetGroup group, int index) {
  if (index < 1 || index > kLastSheetPosition) return false;
  const int n = (index - 1) % 100;  // 0..99 within the pane
  const int row = n / 10;
  const int column = n % 10;
  int source = 0;
  if (repeatsTopHalf(group) && row >= 5) {
    source = index - 50;
  } else if (repeatsLeftHalf(group) && column >= 5) {
    source = index - 5;
  }
  if (source < 1) return false;
  const std::string cliche = withoutMarks(table[index].cliche());
  return !cliche.empty() && cliche == withoutMarks(table[source].cliche());
}

std::string sheetPrintTag(std::string_view edition, std::string_view value,
                          std::string_view printing, char paneLetter) {
  std::string tag = "#" + std::string(edition) + std::string(value) + std::string(printing);
  if (paneLetter != 0 && paneLetter != ' ') tag += paneLetter;
  return tag;
}

std::string sheetHeading(std::string_view edition, std::string_view value,
                         std::string_view caption) {
  std::string heading = valueText(value);
  if (edition == "P") return heading + " 1854 udgaven";
  if (edition == "L") return heading + " 1858 udgaven";
  return heading + std::string(caption);
}

std::string sheetPrintingHeading(std::string_view edition, std::string_view value,
                                 std::string_view printing, int panes, int pane) {
  std::string heading = printingLabel(edition, value, printing);
  if (panes > 1) heading += paneName(edition, value, printing, pane);
  return heading;
}

}  // namespace kolvard
