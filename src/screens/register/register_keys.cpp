#include "screens/register/register_keys.hpp"

#include <algorithm>
#include <string_view>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/value_tables.hpp"
#include "screens/common/selection.hpp"

namespace kolvard {
namespace {

constexpr char kDot = cp865::kMiddleDot;
const std::string kNone(1, kDot);
constexpr char kDivide = static_cast<char>(246);  // ÷: no known type / no cliché
constexpr int kListColumn = 4;
constexpr int kListRows = 23;

bool inList(const RegisterState& reg) {
  return reg.cursorColumn == kListColumn;
}

// The field under the cursor as text, for Backspace.
std::string fieldUnderCursor(const RegisterState& reg, const Selection& selection,
                             const RegisterLayout& layout) {
  const int c = reg.cursorColumn;
  if (reg.cursorRow == 1 && c == 2) return selection.value();
  if (reg.cursorRow == 2 && c == 2) return selection.printings().from;
  if (reg.cursorRow == 2 && c == 3) return selection.printings().to;
  if (c < 1 || c > 3) return kNone;
  const CriteriaSet& set = reg.criteria[c - 1];
  switch (criteriaFieldAt(layout, reg.cursorRow)) {
    case CriteriaField::Type:
      return set.type;
    case CriteriaField::Cliche:
      return set.cliche;
    case CriteriaField::FrameType:
      return set.frameType;
    default:
      return kNone;
  }
}

void moveCursor(RegisterState& reg, int column, int row) {
  reg.cursorColumn = column;
  reg.cursorRow = row;
  reg.editBuffer.clear();
}

void enterList(RegisterState& reg, int row) {
  reg.rememberedColumn = std::min(reg.cursorColumn, 3);
  reg.rememberedRow = reg.cursorRow;
  moveCursor(reg, kListColumn, row);
}

int lastOffset(const RegisterState& reg) {
  return std::max(0, reg.lineCount - kListRows);
}

void resetPositions(RegisterState& reg, std::initializer_list<char> columns) {
  bool hit = false;
  for (const auto& set : reg.criteria) {
    for (const char c : columns) hit = hit || set.position == std::string(1, c);
  }
  if (!hit) return;
  for (auto& set : reg.criteria) set.position = kNone;
}

void chooseSets(RegisterState& reg, int sets) {
  reg.setsInUse = sets;
  reg.editBuffer.clear();
  if (sets == 2) resetPositions(reg, {'0'});
  if (sets == 3) resetPositions(reg, {'9', '0'});
  if (inList(reg)) moveCursor(reg, 1, 4);
}

bool applyPosition(RegisterState& reg, int set, char first) {
  if (isDigit(first)) {
    const int d = first == '0' ? 10 : first - '0';
    const int s = reg.setsInUse;
    const bool ok = (set == 1 && d >= 1 && d <= 11 - s) || (set == 2 && d >= 2 && d <= 12 - s) ||
                    (set == 3 && d >= 3 && d <= 10);
    if (!ok) return false;
    for (int k = 1; k <= 3; ++k) {
      const int column = d - set + k;
      reg.criteria[k - 1].position = std::string(1, static_cast<char>('0' + column % 10));
    }
    return true;
  }
  std::string mark;
  if (first == kDot) {
    mark = kNone;
  } else if (first == '*' || first == 'o' || first == 'O') {
    mark = std::string(1, cp865::kOslash);
  } else if (first == 'n' || first == 'N') {
    mark = "n";
  } else {
    return false;
  }
  for (auto& criteria : reg.criteria) criteria.position = mark;
  return true;
}

// The edition a value typed on a register belongs to: the Iceland oval values run on the
// two-coloured register, the other Icelandic values on the one-coloured one.
std::string editionOfTypedValue(const Selection& selection, const std::string& value) {
  const Edition edition(selection.edition());
  if (edition.isIceland() && isIcelandOvalValue(value)) {
    return std::string(Edition::kTwoColouredLetter);
  }
  if (edition.isTwoColoured() && selection.iceland() && !isIcelandOvalValue(value)) {
    const auto& iceland = Edition::iceland().values();
    if (std::find(iceland.begin(), iceland.end(), value) != iceland.end()) {
      return std::string(Edition::kIcelandLetter);
    }
  }
  return selection.edition();
}

// The value as typed, with the letters that stand for "ø" read as "ø"; true when it belongs
// to the other register.
bool storeValue(RegisterState& reg, Selection& selection, std::string typed) {
  typed = normaliseValueKey(asciiLower(std::move(typed)));
  if (typed.size() > 4) typed.resize(4);
  // A value is a number and its unit: a unit alone ("a") names none.
  if (typed.size() < 2 || !isDigit(typed.front())) return false;
  const char unit = typed.back();
  // Aur values ("a") belong to the Icelandic editions as much as the others' units do.
  if (unit != 's' && unit != cp865::kOslash && unit != 'c' && unit != 'a') return false;
  const std::string edition = editionOfTypedValue(selection, typed);
  const bool switched = edition != selection.edition();
  if (switched) selection.setEdition(edition, true);
  const bool changed = switched || typed != selection.value();
  selection.setValue(typed);
  selection.setRange("1", selection.highestPrinting());
  if (changed && selection.hasPrintings()) reg.valueWithPrintings = selection.value();
  return switched;
}

// "R", "O", "T", "U" (either case); anything else is refused.
bool storeFrameKind(CriteriaSet& set, const std::string& buffer) {
  const char k =
      buffer[0] >= 'a' && buffer[0] <= 'z' ? static_cast<char>(buffer[0] - 32) : buffer[0];
  const bool ok = k == 'R' || k == 'O' || k == 'T' || k == 'U';
  set.frameKind = ok ? std::string(1, k) : kNone;
  return ok || buffer == kNone;
}

void storePrinting(Selection& selection, std::string typed, bool from) {
  typed = asciiLower(std::move(typed));
  if (!typed.empty() && !isDigit(typed.back())) typed.pop_back();
  if (typed.size() > 3) typed.resize(3);
  if (leadingNumber(typed) > selection.printingCount()) typed = selection.highestPrinting();
  if (from) {
    if (leadingNumber(typed) < 1) typed = "1";
    selection.setRange(typed, typed);
  } else {
    selection.setRange(selection.printings().from, typed);
  }
}

}  // namespace

KeyString foldRegisterKey(const KeyString& key) {
  if (key.size() != 1) return key;
  const auto c = static_cast<unsigned char>(key[0]);
  switch (c) {
    case '.':
    case ':':
    case ',':
    case ';':
    case '<':
    case '>':
      return ".";
    case 246:
    case '-':
    case '_':
    case '+':
    case '?':
    case '/':
      return std::string(1, kDivide);
    case '*':
    case '\'':
    case '\\':
    case '|':
    case 155:
    case 157:
    case '(':
    case '"':
    case 216:
    case 248:
      return "*";
    default:
      return key;
  }
}

void adjustA4sRange(Selection& selection) {
  PrintingRange range = selection.printings();
  adjustA4sRange(selection.edition(), selection.value(), range.from, range.to);
  selection.setRange(range.from, range.to);
}

void settleTwoColourRange(Selection& selection) {
  PrintingRange range = selection.printings();
  if (range.from == "0") {
    selection.setValue("2s");
    return;
  }
  adjustTwoColourRange(selection.value(), range.from, range.to);
  selection.setRange(range.from, range.to);
}

void clampRegisterCursor(RegisterState& reg, const RegisterLayout& layout) {
  reg.cursorColumn = std::clamp(reg.cursorColumn, 1, kListColumn);
  if (!inList(reg)) {
    reg.cursorRow = std::clamp(reg.cursorRow, 1, layout.lastRow);
    if (reg.cursorRow > 3 && reg.cursorColumn > reg.setsInUse) reg.cursorColumn = reg.setsInUse;
    if (reg.cursorRow <= 2 && reg.cursorColumn < 2) reg.cursorColumn = 2;
  } else {
    const int lastRow = std::max(1, std::min(kListRows, reg.lineCount - reg.listOffset));
    reg.cursorRow = std::clamp(reg.cursorRow, 1, lastRow);
  }
  reg.listOffset = std::clamp(reg.listOffset, 0, lastOffset(reg));
}

EditOutcome applyEditBuffer(RegisterState& reg, Selection& selection,
                            const RegisterLayout& layout) {
  std::string buffer = reg.editBuffer;
  if (buffer.empty() || buffer[0] == '.') buffer = kNone;
  if (buffer[0] == kDivide) buffer = std::string(1, kDivide);
  if (buffer[0] == '*') buffer = "*";
  EditOutcome outcome;
  const int c = reg.cursorColumn;
  if (inList(reg)) {
    reg.editBuffer.clear();
    return outcome;
  }
  const CriteriaField field =
      c >= 1 && c <= 3 ? criteriaFieldAt(layout, reg.cursorRow) : CriteriaField::None;
  if (reg.cursorRow == 1 && c == 2) {
    outcome.editionSwitched = storeValue(reg, selection, buffer);
  } else if (reg.cursorRow == 2 && (c == 2 || c == 3)) {
    storePrinting(selection, buffer, c == 2);
  } else if (field == CriteriaField::Position) {
    outcome.accepted = applyPosition(reg, c, buffer[0]);
  } else if (field == CriteriaField::FrameKind) {
    outcome.accepted = storeFrameKind(reg.criteria[c - 1], buffer);
    // One letter: the next key is a new entry.
    reg.editBuffer.clear();
  } else if (field == CriteriaField::FrameType) {
    std::string type = asciiUpper(buffer);
    if (type.size() > 2) type.resize(2);
    if (type == "3H") type = "3h";  // the one frame type written in lower case
    reg.criteria[c - 1].frameType = type;
  } else if (field == CriteriaField::Type) {
    std::string type = asciiUpper(buffer);
    if (type.size() > static_cast<std::size_t>(layout.typeLength)) type.resize(layout.typeLength);
    reg.criteria[c - 1].type = type;
  } else if (field == CriteriaField::Cliche) {
    std::string cliche = asciiUpper(buffer);
    if (cliche.size() > 6) cliche.resize(5);
    if (cliche.back() != '.' && !isDigit(cliche.back())) cliche.resize(1);
    reg.criteria[c - 1].cliche = cliche;
  }
  selection.keepRangeWithinPrintings();
  if (buffer == kNone || buffer == std::string(1, kDivide)) reg.editBuffer.clear();
  return outcome;
}

RegisterKeyResult handleRegisterKey(RegisterState& reg, Selection& selection,
                                    const KeyString& rawKey, const RegisterLayout& layout) {
  RegisterKeyResult result;
  const KeyString key = foldRegisterKey(rawKey);
  const bool list = inList(reg);
  bool edited = false;
  // In the frame-kind field the letters are entries, not the cursor keys "T" and "V".
  const bool letterField = !list && reg.cursorColumn <= 3 &&
                           criteriaFieldAt(layout, reg.cursorRow) == CriteriaField::FrameKind;
  const auto leave = [&](int code) {
    if (layout.twoColoured) settleTwoColourRange(selection);
    result.action = RegisterAction::Leave;
    result.leaveCode = code;
    return result;
  };

  if (isExtended(key, scan::kHome) || isExtended(key, scan::kEnd)) {
    if (!list) {
      moveCursor(reg, 1, layout.positionRow);
    } else if (isExtended(key, scan::kHome)) {
      reg.listOffset = 0;
      moveCursor(reg, kListColumn, 1);
    } else {
      reg.listOffset = lastOffset(reg);
      moveCursor(reg, kListColumn, std::min(kListRows, reg.lineCount - reg.listOffset));
    }
  } else if (isExtended(key, scan::kUp)) {
    if (list && reg.cursorRow == 1) {
      --reg.listOffset;
    } else {
      moveCursor(reg, reg.cursorColumn,
                 !list && reg.cursorRow == layout.positionRow ? 2 : reg.cursorRow - 1);
    }
  } else if (isExtended(key, scan::kDown) || (list && isExtended(key, scan::kDel)) ||
             (list && isExtended(key, scan::kIns))) {
    if (list && (isExtended(key, scan::kDel) || isExtended(key, scan::kIns))) {
      reg.results.setNormal(reg.listOffset + reg.cursorRow, isExtended(key, scan::kIns));
    }
    if (list && reg.cursorRow >= kListRows) {
      ++reg.listOffset;
    } else {
      moveCursor(reg, reg.cursorColumn,
                 !list && reg.cursorRow == 2 ? layout.positionRow : reg.cursorRow + 1);
    }
  } else if (isExtended(key, scan::kLeft)) {
    if (list) {
      moveCursor(reg, reg.rememberedColumn, reg.rememberedRow);
    } else {
      moveCursor(reg, reg.cursorColumn - 1, reg.cursorRow);
    }
  } else if (isExtended(key, scan::kRight)) {
    if (!list && (reg.cursorRow == 1 ||
                  (reg.cursorRow >= layout.positionRow && reg.cursorColumn >= reg.setsInUse))) {
      enterList(reg, 1);
    } else if (!list && reg.cursorColumn == 3) {
      enterList(reg, 1);
    } else if (!list) {
      moveCursor(reg, reg.cursorColumn + 1, reg.cursorRow);
    }
  } else if (isExtended(key, scan::kPgUp) || isExtended(key, scan::kPgDn)) {
    if (!list) enterList(reg, 1);
    reg.listOffset += isExtended(key, scan::kPgUp) ? -20 : 20;
  } else if (isExtended(key, scan::kF1) || isExtended(key, scan::kF2) ||
             isExtended(key, scan::kF3)) {
    chooseSets(reg, isExtended(key, scan::kF1) ? 1 : isExtended(key, scan::kF2) ? 2 : 3);
  } else if (isExtended(key, scan::kF5) || isExtended(key, scan::kF6) ||
             isExtended(key, scan::kF7) || isExtended(key, scan::kF8)) {
    return leave(static_cast<unsigned char>(key[1]) - scan::kF5 + 5);
  } else if (key.size() == 1) {
    const char c = key[0];
    const auto u = static_cast<unsigned char>(c);
    if (u == kEscCode) {
      if (!selection.hasPrintings() && !reg.valueWithPrintings.empty()) {
        selection.setValue(reg.valueWithPrintings);
      }
      return leave(1);
    }
    if (u == kBackspaceCode) {
      std::string text = list ? kNone : fieldUnderCursor(reg, selection, layout);
      if (!text.empty()) text.pop_back();
      if (text.empty()) text = kNone;
      reg.editBuffer = text;
      edited = true;
    } else if (u == kTabCode || c == '#') {
      for (auto& set : reg.criteria) set = CriteriaSet{};
      moveCursor(reg, 1, 6);
    } else if (u == kEnterCode) {
      reg.editBuffer.clear();
      if (!selection.hasPrintings()) {
        result.action = RegisterAction::NoPrintings;
        result.beep = true;
        moveCursor(reg, 2, 1);
        return result;
      }
      result.action = RegisterAction::Search;
      return result;
    } else if (c == '&') {
      reg.includeUndetermined = !reg.includeUndetermined;
      result.action = RegisterAction::IncludeToggled;
    } else if (c == ' ') {
      if (reg.editBuffer.size() == 1) {
        reg.editBuffer += ' ';
        edited = true;
      }
    } else if (c == '.') {
      if (!list && criteriaFieldAt(layout, reg.cursorRow) == CriteriaField::Cliche &&
          reg.editBuffer.find('.') == std::string::npos) {
        if (reg.editBuffer == kNone) reg.editBuffer.clear();
        reg.editBuffer += '.';
      } else {
        reg.editBuffer = kNone;  // Fjern
      }
      edited = true;
    } else if (!list && !letterField && (c == 'V' || c == 'v')) {
      moveCursor(reg, 2, 1);
    } else if (!list && !letterField && (c == 'T' || c == 't')) {
      moveCursor(reg, 2, 2);
    } else if (u >= 32 && u != 127) {
      if (reg.editBuffer == kNone) reg.editBuffer.clear();
      reg.editBuffer += c;
      edited = true;
    }
  }
  clampRegisterCursor(reg, layout);
  if (edited || !reg.editBuffer.empty()) {
    const EditOutcome outcome = applyEditBuffer(reg, selection, layout);
    if (!outcome.accepted) result.beep = true;
    if (outcome.editionSwitched) {
      // The value belongs to the other edition's register, which takes it from here.
      result.action = RegisterAction::Leave;
      result.leaveCode = 3;
    }
  }
  return result;
}

}  // namespace kolvard
