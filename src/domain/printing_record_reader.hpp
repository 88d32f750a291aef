// Reading the printing data of one value: the section edition + value + "DAT" holds 18-byte
// coded records, printing after printing. The reader applies them, printing by printing, to a
// table of every sheet position (type M., cliché C., flag) and stops at each printing header.
// The register search and the sheets screen both drive it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_file.hpp"
#include "domain/printing_records.hpp"

namespace kolvard {

inline constexpr int kPositionTableSize = 441;  // index 0..440
inline constexpr int kLastSheetPosition = 400;  // panes A..D: 1..100, 101..200, 201..300, 301..400
inline constexpr int kFirstExtraIndex = 401;
inline constexpr int kMaxExtras = 40;            // extra clichés 401..440
inline constexpr int kEndOfDataPrinting = 9999;  // the end mark reads as this printing
inline constexpr std::size_t kWideRecordLength = 24;

// Fields of a position entry.
enum PositionField : int {
  kSpareField = 0,         // copied with the others, not read by the search
  kTypeField = 1,          // M.: a type number, "?" undetermined, empty none; "a/b" two states
  kClicheField = 2,        // C.; "a/b" like the type
  kSecondTypeField = 3,    // second-state type while a printing is searched; " " none
  kSecondClicheField = 4,  // second-state cliché while a printing is searched
  kFlagField = 5,          // "?", "o", "n" or empty (the raw record letter in schema mode)
};
inline constexpr int kPositionFieldCount = 6;

struct PositionEntry {
  std::array<std::string, kPositionFieldCount> fields;

  std::string& operator[](int field) { return fields[static_cast<std::size_t>(field)]; }
  const std::string& operator[](int field) const { return fields[static_cast<std::size_t>(field)]; }
  const std::string& type() const { return fields[kTypeField]; }
  const std::string& cliche() const { return fields[kClicheField]; }
  const std::string& secondType() const { return fields[kSecondTypeField]; }
  const std::string& secondCliche() const { return fields[kSecondClicheField]; }
  const std::string& flag() const { return fields[kFlagField]; }
  void clear() {
    for (auto& f : fields) f.clear();
  }
};

// Every position of the sheet after the printing just read: 1..400 the panes, 401..440 the
// extra clichés, 0 the slot for designations that name no position (written, never listed).
// An index outside 0..440 reaches slot 0.
class PositionTable {
 public:
  PositionTable() : entries_(kPositionTableSize) {}

  PositionEntry& entry(int index) { return entries_[slot(index)]; }
  const PositionEntry& entry(int index) const { return entries_[slot(index)]; }
  PositionEntry& operator[](int index) { return entry(index); }
  const PositionEntry& operator[](int index) const { return entry(index); }

  void clear() {
    for (auto& e : entries_) e.clear();
  }

  // Second states. splitStates: for positions 1..400, a type or cliché "a/b" keeps "a" in
  // fields 1/2 and gets "b" in fields 3/4 (a field without "/" is the same in both states);
  // a position without two states gets " " and "" in fields 3/4. Returns whether any
  // position has two states.
  bool splitStates();
  // Positions with a second state take it as their state (fields 3/4 copied into 1/2).
  void promoteSecondStates();
  bool hasSecondState(int index) const { return entry(index).secondType() != " "; }

 private:
  static std::size_t slot(int index) {
    return index >= 0 && index < kPositionTableSize ? static_cast<std::size_t>(index) : 0;
  }
  std::vector<PositionEntry> entries_;
};

// The extra clichés 401..440: the mark (record character 7) and the designation.
struct ExtraCliche {
  std::string mark;
  std::string designation;
};

class ExtraClicheTable {
 public:
  ExtraClicheTable() : entries_(kMaxExtras) {}
  // index 401..440; any other index reaches the 40th slot.
  ExtraCliche& entry(int index) { return entries_[slot(index)]; }
  const ExtraCliche& entry(int index) const { return entries_[slot(index)]; }
  void clear() {
    for (auto& e : entries_) e = {};
  }

 private:
  static std::size_t slot(int index) {
    const int i = index - kFirstExtraIndex;
    return i >= 0 && i < kMaxExtras ? static_cast<std::size_t>(i) : kMaxExtras - 1;
  }
  std::vector<ExtraCliche> entries_;
};

struct SheetFormat {
  int panes = 1;  // 1, 2 or 4
  SheetGroup group = SheetGroup::None;
  // The two-coloured edition's "F3": one pane whose frames are the frame data's pane B.
  bool framesFromPaneB = false;
};

// How the position flag (record character 8) is kept.
enum class FlagMode {
  Folded,  // the search: "?", "o", "n" or empty
  Raw,     // the sheets screen: the record's own letter, which its drawing distinguishes
};

// What nextPrinting stopped at.
struct PrintingStep {
  int completed = kEndOfDataPrinting;  // the printing just read; 9999 past the end mark
  int next = kEndOfDataPrinting;       // the header stopped at; 9999 for the end mark
  std::string completedName;           // the headers' printing texts, trimmed ("3", "10a")
  std::string nextName;
};

// The first printing whose records are applied when printings from `fromPrinting` on are
// wanted; earlier printings are skipped. Most values start at the printing itself.
int firstPrintingApplied(std::string_view edition, std::string_view value, int fromPrinting);

class PrintingRecordReader {
 public:
  // The records of `section` are decoded once here. `edition` and `value` (cp865, as in
  // "A" and "4s") select the value-specific rules.
  PrintingRecordReader(const DataFile& file, const SectionRef& section, std::string edition,
                       std::string value, FlagMode mode = FlagMode::Folded);

  // Back to the section start with no printing read; records of printings below
  // `firstApplied` are skipped (see firstPrintingApplied). The table is kept.
  void rewind(int firstApplied = 0);
  // Back to the section start with an empty table, no extras and the default format.
  void reset(int firstApplied = 0);

  // Reads up to the next printing header (or the end mark), applies the records, runs the
  // end-of-printing steps and returns {printing completed, printing of the header stopped
  // at}. At the end mark the read position goes back to the section start; the call after
  // it completes printing 9999. A section without printing headers gives {9999, 9999}.
  PrintingStep nextPrinting();

  PositionTable& positions() { return table_; }
  const PositionTable& positions() const { return table_; }
  const ExtraClicheTable& extraCliches() const { return extras_; }
  int extrasCount() const { return extrasCount_; }
  const SheetFormat& format() const { return format_; }
  // The two-coloured edition's frame block reference: characters 2..9 of the last "R" record
  // read since the reset (8 blanks before any). Every printing names its block; one that
  // does not keeps the block of the printing before it.
  const std::string& frameBlockReference() const { return frameBlock_; }
  const std::string& edition() const { return edition_; }
  const std::string& value() const { return value_; }
  std::size_t recordCount() const { return records_.size(); }
  // The decoded record n in its 24-character form.
  std::string_view record(std::size_t n) const;

 private:
  using WideRecord = std::array<char, kWideRecordLength>;
  using Kind = PrintingRecordKind;

  static Kind classify(const WideRecord& r) {
    return classifyPrintingRecord(std::string_view(r.data(), r.size()));
  }
  void applyRecord(Kind kind, const WideRecord& r);
  void applyPosition(const WideRecord& r);
  void applyFormat(const WideRecord& r);
  int positionIndex(const WideRecord& r);
  void endOfPrinting(int completed);

  std::vector<WideRecord> records_;
  std::string edition_;
  std::string value_;
  FlagMode mode_;
  bool fourSkilling1864_;  // "4s" of edition "A"
  bool twoColoured_;       // edition "T"

  PositionTable table_;
  ExtraClicheTable extras_;
  int extrasCount_ = 0;
  SheetFormat format_;
  std::string frameBlock_ = std::string(8, ' ');

  std::size_t next_ = 0;  // next record to read
  int firstApplied_ = 0;
  bool printingRead_ = false;  // a header has been passed since the start
  int current_ = 0;            // the printing being read
  std::string currentName_;
  int informationCount_ = 0;
};

}  // namespace kolvard
