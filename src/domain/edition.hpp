// An edition of the reference as the rules ask about it: its letter, whether it is the
// two-coloured edition (oval and frame clichés, frame settings, periods: "T") or the Iceland
// chain ("I", whose oval values "4a", "25a", "50a", "100a" are run as "T" with the Iceland
// flag), its caption and its values. Rules ask this instead of comparing letters; the tables
// of texts and values it reads are keyed by the letters themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

class Edition {
 public:
  static constexpr std::string_view kTwoColouredLetter = "T";
  static constexpr std::string_view kIcelandLetter = "I";

  explicit Edition(std::string_view letter) : letter_(letter) {}
  static Edition twoColoured() { return Edition(kTwoColouredLetter); }
  static Edition iceland() { return Edition(kIcelandLetter); }

  const std::string& letter() const { return letter_; }
  // The two-coloured edition: oval and frame flaws, settings and periods.
  bool isTwoColoured() const { return letter_ == kTwoColouredLetter; }
  // The Iceland chain's own letter (its oval values are held as the two-coloured edition).
  bool isIceland() const { return letter_ == kIcelandLetter; }
  // An Iceland oval value held as the two-coloured edition.
  bool holdsIcelandOval(std::string_view value) const;
  // Icelandic: the Iceland letter, or an Iceland oval value held as the two-coloured edition.
  bool isIcelandic(std::string_view value) const { return isIceland() || holdsIcelandOval(value); }

  // The values in front-page order (for "I" the whole chain, oval values included).
  const std::vector<std::string>& values() const;
  // The caption of the screens' headings (cp865; " Island Ovaltype" for the two-coloured
  // edition with the Iceland flag); `previous` for a letter without one.
  std::string title(int icelandFlag, std::string_view previous) const;

  bool operator==(const Edition&) const = default;

 private:
  std::string letter_;
};

}  // namespace kolvard
