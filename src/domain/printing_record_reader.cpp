#include "domain/printing_record_reader.hpp"

#include <algorithm>
#include <utility>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition.hpp"

namespace kolvard {
namespace {

std::string_view field(const std::array<char, kWideRecordLength>& r, std::size_t from,
                       std::size_t to) {  // characters from..to, counted from 1
  return std::string_view(r.data() + from - 1, to - from + 1);
}

// The search's reading of the flag letter.
std::string_view foldFlag(char c) {
  switch (c) {
    case '?':
    case 'p':
    case 'z':
    case 'P':
    case 'Z':
    case '!':
      return "?";
    case 'o':
    case 'q':
    case 'O':
    case 'Q':
      return "o";
    case 'n':
      return "n";
    default:
      return "";
  }
}

// "4s" of 1864 writes clichés of changed positions as plate + "." + number; the plate
// character and the "." are dropped.
void dropPlatePrefix(std::string& cliche) {
  const auto dot = cliche.find('.');
  if (dot == std::string::npos) return;
  const std::size_t from = dot > 0 ? dot - 1 : 0;
  cliche.erase(from, dot + 1 - from);
}

// The corrections of the Icelandic printings that the search and the schemas make.
void applyCorrections(PositionTable& table, const std::string& key) {
  for (const ClicheCorrection& c : clicheCorrectionsOf(key)) {
    if (!c.positionTablesOnly) table[c.position][kClicheField] = std::string(c.cliche);
  }
}

}  // namespace

int firstPrintingApplied(std::string_view edition, std::string_view value, int fromPrinting) {
  const std::string oe = std::string(1, cp865::kOslash);
  const std::string v(value);
  const int f = fromPrinting;
  const auto is = [&](std::string_view e, std::string_view val) {
    return edition == e && v == val;
  };
  const auto oere = [&](std::string_view e, std::string_view number) {
    return edition == e && v == std::string(number) + oe;
  };
  if ((is("C", "3c") && f == 3) || (is("P", "4s") && (f == 3 || f == 6))) return f - 2;
  if ((is("C", "3c") && f == 2) || (is("P", "4s") && f == 2) ||
      (is("L", "4s") && (f == 2 || f == 4 || f == 6)) || (is("A", "4s") && f == 12)) {
    return f - 1;
  }
  if (oere("M", "1") && f >= 4 && f <= 6) return 3;
  if (oere("M", "4") && f == 21) return 20;
  if (oere("M", "5") && f >= 5 && f <= 16) return 4;
  if (oere("M", "10") && f >= 5 && f <= 13) return 4;
  if ((oere("M", "15") || oere("M", "20")) && f == 2) return 1;
  if (oere("M", "20") && (f == 4 || f == 5)) return 3;
  if (oere("V", "1") && (f == 5 || f == 6)) return 4;
  return f;
}

bool PositionTable::splitStates() {
  bool any = false;
  for (int p = 1; p <= kLastSheetPosition; ++p) {
    PositionEntry& e = entry(p);
    const auto typeSlash = e[kTypeField].find('/');
    const auto clicheSlash = e[kClicheField].find('/');
    if (typeSlash == std::string::npos && clicheSlash == std::string::npos) {
      e[kSecondTypeField] = " ";
      e[kSecondClicheField].clear();
      continue;
    }
    any = true;
    // A field without "/" did not change during the printing: both states share it.
    const auto split = [&e](int first, int second, std::size_t slash) {
      if (slash == std::string::npos) {
        e[second] = e[first];
      } else {
        e[second] = e[first].substr(slash + 1);
        e[first].resize(slash);
      }
    };
    split(kTypeField, kSecondTypeField, typeSlash);
    split(kClicheField, kSecondClicheField, clicheSlash);
    // A second-state type that reads as "no second state" would be lost; "" means no type.
    if (e[kSecondTypeField] == " ") e[kSecondTypeField].clear();
  }
  return any;
}

void PositionTable::promoteSecondStates() {
  for (int p = 1; p <= kLastSheetPosition; ++p) {
    PositionEntry& e = entry(p);
    if (e.secondType() == " ") continue;
    e[kTypeField] = e[kSecondTypeField];
    e[kClicheField] = e[kSecondClicheField];
  }
}

PrintingRecordReader::PrintingRecordReader(const DataFile& file, const SectionRef& section,
                                           std::string edition, std::string value, FlagMode mode)
    : edition_(std::move(edition)),
      value_(std::move(value)),
      mode_(mode),
      fourSkilling1864_(edition_ == "A" && value_ == "4s"),
      twoColoured_(Edition(edition_).isTwoColoured()) {
  const PrintingRecords decoded(file, section);
  records_.resize(decoded.size());
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    const PrintingRecord r = decoded[i];
    // The wide form: characters 1..8, two blanks, 9..12, four blanks, 13..18.
    WideRecord& w = records_[i];
    w.fill(' ');
    std::copy(r.begin(), r.begin() + 8, w.begin());
    std::copy(r.begin() + 8, r.begin() + 12, w.begin() + 10);
    std::copy(r.begin() + 12, r.end(), w.begin() + 18);
  }
}

std::string_view PrintingRecordReader::record(std::size_t n) const {
  if (n >= records_.size()) return {};
  return std::string_view(records_[n].data(), kWideRecordLength);
}

void PrintingRecordReader::rewind(int firstApplied) {
  next_ = 0;
  firstApplied_ = firstApplied;
  printingRead_ = false;
  current_ = 0;
  currentName_.clear();
  informationCount_ = 0;
}

void PrintingRecordReader::reset(int firstApplied) {
  rewind(firstApplied);
  table_.clear();
  extras_.clear();
  extrasCount_ = 0;
  format_ = {};
  frameBlock_.assign(8, ' ');
}

PrintingStep PrintingRecordReader::nextPrinting() {
  for (;;) {
    // The section end stands for a missing end mark.
    const bool atEnd = next_ >= records_.size();
    Kind kind = Kind::EndMark;
    const WideRecord* r = nullptr;
    if (!atEnd) {
      r = &records_[next_++];
      kind = classify(*r);
    }
    if (kind != Kind::Header && kind != Kind::EndMark) {
      applyRecord(kind, *r);
      continue;
    }

    int number = kEndOfDataPrinting;
    std::string name = "9999";
    if (kind == Kind::Header) {
      number = leadingNumber(field(*r, 2, kWideRecordLength));
      name = std::string(trimmed(field(*r, 2, 8)));
      if (number < firstApplied_) {
        // Skip the printings before the first one applied. The sheet format belongs to the
        // value, not to a printing, so format records still count.
        kind = Kind::EndMark;
        while (next_ < records_.size()) {
          const WideRecord& s = records_[next_++];
          const Kind k = classify(s);
          if (k == Kind::EndMark) break;
          if (k == Kind::Format) applyFormat(s);
          if (k == Kind::Header && leadingNumber(field(s, 2, kWideRecordLength)) >= firstApplied_) {
            kind = Kind::Header;
            number = leadingNumber(field(s, 2, kWideRecordLength));
            name = std::string(trimmed(field(s, 2, 8)));
            break;
          }
        }
        if (kind == Kind::EndMark) {
          number = kEndOfDataPrinting;
          name = "9999";
        }
      }
    }
    informationCount_ = 0;
    if (kind == Kind::EndMark) next_ = 0;  // the next call starts from the section start

    if (!printingRead_) {
      printingRead_ = true;
      current_ = number;
      currentName_ = name;
      // Nothing before the end mark: report the end at once rather than read the section
      // again from its start.
      if (kind == Kind::EndMark) return {kEndOfDataPrinting, kEndOfDataPrinting, name, name};
      continue;
    }
    const int completed = current_;
    endOfPrinting(completed);
    PrintingStep step{completed, number, std::move(currentName_), name};
    current_ = number;
    currentName_ = std::move(name);
    return step;
  }
}

void PrintingRecordReader::applyRecord(Kind kind, const WideRecord& r) {
  switch (kind) {
    case Kind::Reset:
      if (isDigit(r[1]) && leadingNumber(field(r, 2, kWideRecordLength)) == 0) {
        table_.clear();
        extrasCount_ = 0;
      }
      break;
    case Kind::Information:
      ++informationCount_;
      if (informationCount_ >= 3 && informationCount_ <= 6 && r[1] == '?') {
        const int base = 100 * (informationCount_ - 3);
        for (int p = base + 1; p <= base + 100; ++p) {
          table_[p][kTypeField] = "?";
          table_[p][kFlagField] = "?";
        }
      }
      break;
    case Kind::Format:
      applyFormat(r);
      break;
    case Kind::Position:
      applyPosition(r);
      break;
    case Kind::Other:
      // Record characters 2..9: wide characters 2..8 and 11.
      if (twoColoured_ && r[0] == 'R') frameBlock_ = std::string(field(r, 2, 8)) + r[10];
      break;
    default:
      break;
  }
}

void PrintingRecordReader::applyFormat(const WideRecord& r) {
  const int n = leadingNumber(field(r, 2, kWideRecordLength));
  // Three panes do not occur; such a sheet is read with all four. The two-coloured "F3" is
  // one pane whose frames come from pane B of the frame data.
  format_.framesFromPaneB = twoColoured_ && n == 3;
  format_.panes = n <= 1 || format_.framesFromPaneB ? 1 : n == 2 ? 2 : 4;
  format_.group = sheetGroupFromLetter(r[1]);
}

int PrintingRecordReader::positionIndex(const WideRecord& r) {
  std::array<char, 5> d{};
  std::copy(r.begin(), r.begin() + 5, d.begin());
  // On a one-pane sheet a bare number is a position of pane A.
  if (format_.panes == 1 && isDigit(d[0])) {
    std::copy_backward(d.begin(), d.end() - 1, d.end());
    d[0] = 'A';
  }
  switch (d[0]) {
    case ' ':
    case 'A':
    case 'B':
    case 'C':
    case 'D': {
      const int n = leadingNumber(std::string_view(d.data() + 1, 3));
      if (n < 1 || n > 100) return 0;  // no such place in a pane
      const int pane = d[0] == ' ' ? 0 : d[0] - 'A';
      return 100 * pane + n;
    }
    case '+':
    case '.':
      extrasCount_ = std::min(extrasCount_ + 1, kMaxExtras);
      return kLastSheetPosition + extrasCount_;
    default:
      return 0;
  }
}

void PrintingRecordReader::applyPosition(const WideRecord& r) {
  const int index = positionIndex(r);
  std::string type(withoutTrailingBlanks(field(r, 11, 16)));
  std::string cliche(withoutTrailingBlanks(field(r, 19, 24)));
  PositionEntry& e = table_[index];

  if (index > kLastSheetPosition) {
    e[kTypeField] = std::move(type);
    e[kClicheField] = std::move(cliche);
    ExtraCliche& x = extras_.entry(index);
    x.mark.assign(1, r[6]);
    std::string designation(r[0] == '.' ? field(r, 3, 6) : field(r, 2, 5));
    if (const auto tick = designation.find('`'); tick != std::string::npos) {
      designation.erase(tick, 1);
    }
    x.designation = std::string(withoutTrailingBlanks(designation));
    return;
  }

  const char flagChar = r[7];
  const std::string_view folded = foldFlag(flagChar);
  if (mode_ == FlagMode::Folded) {
    e[kFlagField] = std::string(folded);
  } else {
    e[kFlagField] = flagChar == ' ' ? std::string() : std::string(1, flagChar);
  }
  const char mark = r[5];
  if (mark == '<' || mark == '>') {
    if (fourSkilling1864_) dropPlatePrefix(cliche);
    if (mark == '<') {
      e[kTypeField] = type + "/" + e[kTypeField];
      e[kClicheField] = cliche + "/" + e[kClicheField];
    } else {
      e[kTypeField] += "/" + type;
      e[kClicheField] += "/" + cliche;
    }
  } else {
    e[kTypeField] = std::move(type);
    e[kClicheField] = std::move(cliche);
  }
  if ((folded == "o" || folded == "?") && e.type().empty() && e.cliche().empty()) {
    e[kTypeField] = "?";
  }
}

void PrintingRecordReader::endOfPrinting(int completed) {
  // A change mark on an empty position leaves "/" or "a//b"; tidy them.
  for (int p = 1; p <= kLastSheetPosition; ++p) {
    for (const int f : {static_cast<int>(kTypeField), static_cast<int>(kClicheField)}) {
      std::string& s = table_[p][f];
      if (const auto dd = s.find("//"); dd != std::string::npos) s.erase(dd, 1);
      if (s == "/") s.clear();
    }
  }
  // Repeated sheet parts.
  if (repeatsTopHalf(format_.group)) {
    for (int p = 1; p <= 50; ++p) table_[p + 50] = table_[p];
  }
  if (repeatsLeftHalf(format_.group)) {
    for (int row = 0; row < 10; ++row) {
      for (int c = 1; c <= 5; ++c) table_[10 * row + c + 5] = table_[10 * row + c];
    }
  }
  applyCorrections(table_, edition_ + value_ + std::to_string(completed));
}

}  // namespace kolvard
