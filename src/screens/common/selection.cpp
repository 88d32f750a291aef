#include "screens/common/selection.hpp"

#include "data/text_fields.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/value_tables.hpp"

namespace kolvard {

void Selection::setEdition(std::string edition, bool iceland) {
  edition_ = std::move(edition);
  iceland_ = iceland;
  valueChanged();
}

void Selection::setValue(std::string value) {
  value_ = std::move(value);
  valueChanged();
  printings_ = PrintingRange{};
}

int Selection::printingCount() const {
  return leadingNumber(highest_);
}

void Selection::setPrinting(std::string printing) {
  printings_.to = printing;
  printings_.from = std::move(printing);
}

void Selection::setRange(std::string from, std::string to) {
  printings_.from = std::move(from);
  printings_.to = std::move(to);
}

void Selection::keepRangeWithinPrintings() {
  if (!hasPrintings()) {
    printings_.from = printings_.to = "0";
    return;
  }
  const int highest = printingCount();
  if (leadingNumber(printings_.from) > highest) printings_.from = highest_;
  if (leadingNumber(printings_.to) > highest) printings_.to = highest_;
  if (leadingNumber(printings_.to) < leadingNumber(printings_.from)) {
    printings_.to = printings_.from;
  }
}

void Selection::setPosition(std::string text) {
  positionIndex_ = positionNumberFromText(text);
  position_ = std::move(text);
}

void Selection::restore(std::string edition, bool iceland, std::string value,
                        PrintingRange printings, std::string position) {
  edition_ = std::move(edition);
  iceland_ = iceland;
  value_ = std::move(value);
  valueChanged();
  printings_ = std::move(printings);
  // A file may name a printing the value does not have ("200" of a value with 6): it would
  // show empty sheets and print empty pages.
  if (hasPrintings()) {
    const auto withinPrintings = [this](std::string& printing) {
      const int n = leadingNumber(printing);
      if (n < 1) printing = "1";
      if (n > printingCount()) printing = highest_;
    };
    withinPrintings(printings_.from);
    withinPrintings(printings_.to);
  }
  setPosition(std::move(position));
}

void Selection::valueChanged() {
  highest_ = highestPrintingOf(edition_, value_);
}

}  // namespace kolvard
