// The current selection that every screen reads and changes: the edition with its Iceland
// flag, the value, the printing range, the sheet position, the cliché and the cliché followed
// across printings, the period of the two-coloured frame settings and the printing-information
// switch. Each is held once; the setters keep what follows from it in step (the highest
// printing with the value, the position index with the position text). The settings file's
// records are read into it and filled from it by the main cycle only.
#pragma once

#include <string>

namespace kolvard {

// From printing and to printing, as the user wrote them ("3", "10a", "2-3").
struct PrintingRange {
  std::string from = "1";
  std::string to = "1";

  bool operator==(const PrintingRange&) const = default;
};

// What the two-coloured flaw screen leaves for the oval-series and composite screen (F7): the
// first oval flaw number of the sheet (its first three characters), the stored code of the
// current frame setting, and whether that screen starts again at its first composite.
struct TwoColourHandOver {
  std::string ovalComposite;
  std::string frameSetting;
  bool resetComposite = false;
};

// Where the type screens stand in their section, shared by the one- and the two-coloured type
// screen: the record index, and the section's edition and the value the index was found for
// (another edition or value starts again at the first page).
struct TypePagePlace {
  int index = 0;
  std::string edition;
  std::string value;
};

class Selection {
 public:
  const std::string& edition() const { return edition_; }
  bool iceland() const { return iceland_; }
  // Another edition letter and Iceland flag; the value and the rest stay as they are.
  void setEdition(std::string edition, bool iceland);

  const std::string& value() const { return value_; }
  // Edition letter + value ("P4s").
  std::string valueKey() const { return edition_ + value_; }
  // A new value starts at its first printing: the range becomes printing 1 alone.
  void setValue(std::string value);

  // The highest printing of the value as text ("0" for a value without printings), and as a
  // number.
  const std::string& highestPrinting() const { return highest_; }
  int printingCount() const;
  bool hasPrintings() const { return printingCount() > 0; }

  const PrintingRange& printings() const { return printings_; }
  // The printing shown by the screens that show one: the range's start.
  const std::string& printing() const { return printings_.from; }
  // One printing shown (the flaw and sheets screens): the range is that printing alone.
  void setPrinting(std::string printing);
  // The range as the register's fields hold it.
  void setRange(std::string from, std::string to);
  // The range kept within the value's printings: from and to at most the highest printing,
  // to at least from; a value without printings has both "0".
  void keepRangeWithinPrintings();

  const std::string& position() const { return position_; }
  // 1..400 (pane A 1..100, B 101..200, C 201..300, D 301..400).
  int positionIndex() const { return positionIndex_; }
  // A position text ("A17", "B5", "17"); its index follows (1 for a text that names none).
  void setPosition(std::string text);

  const std::string& cliche() const { return cliche_; }
  void setCliche(std::string cliche) { cliche_ = std::move(cliche); }
  const std::string& followCliche() const { return followCliche_; }
  void setFollowCliche(std::string cliche) { followCliche_ = std::move(cliche); }
  const std::string& period() const { return period_; }
  void setPeriod(std::string period) { period_ = std::move(period); }
  bool printingInfo() const { return printingInfo_; }
  void setPrintingInfo(bool on) { printingInfo_ = on; }
  const TwoColourHandOver& twoColourHandOver() const { return handOver_; }
  TwoColourHandOver& twoColourHandOver() { return handOver_; }
  const TypePagePlace& typePage() const { return typePage_; }
  TypePagePlace& typePage() { return typePage_; }

  // The main cycle's load point: a settings record's choices taken as they are, but for a
  // printing range the value does not have, which is brought within 1..highest printing.
  void restore(std::string edition, bool iceland, std::string value, PrintingRange printings,
               std::string position);

 private:
  void valueChanged();

  std::string edition_ = "T";
  bool iceland_ = false;
  std::string value_ = "2s";
  std::string highest_ = "0";
  PrintingRange printings_;
  std::string position_ = "1";
  int positionIndex_ = 1;
  std::string cliche_;          // "C.": a running number or series "." running number
  std::string followCliche_;    // the cliché looked for when the printing changes
  std::string period_ = "1";    // shared with the composite and two-coloured screens
  bool printingInfo_ = false;   // F4: printing information instead of edition information
  TwoColourHandOver handOver_;  // set when the two-coloured flaw screen leaves with F7
  TypePagePlace typePage_;
};

}  // namespace kolvard
