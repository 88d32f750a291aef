// The rules of the register search that hold for every edition: how a stamp is held against
// a type or cliché criterion, which positions a position criterion keeps, and how a result
// line writes a position and a cliché. The one-coloured and the two-coloured searches both
// build on them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "domain/printing_record_reader.hpp"

namespace kolvard {

namespace criterion {
inline constexpr char kAny = static_cast<char>(250);     // "·" no criterion
inline constexpr char kNone = static_cast<char>(246);    // "÷" nothing given
inline constexpr char kTopRow = static_cast<char>(155);  // "ø"
}  // namespace criterion

// The first character of a criterion field; an empty field counts as "·".
char criterionMark(const std::string& field);

// Column digit, top row "ø", bottom row "n", or "·": whether position p stays a candidate.
bool positionCriterionMet(char position, int p);

// Whether p can start a stamp, pair or strip of `sets` stamps: the position criterion keeps
// it, a pair or strip does not run past column 10, and in the second-state pass one of its
// stamps has a second state.
bool placementMet(char position, int p, int sets, bool secondPass, const PositionTable& table);

// Cliché (C.) or oval flaw: "÷" none given, "*" any given (on panes C, D and the extra
// clichés only when `anyGivenAllowed`), "·" no test, else equal.
bool clicheCriterionMet(const std::string& criterion, const std::string& cliche,
                        bool anyGivenAllowed);

// Type (M.) or oval type: "÷" none or undetermined, "*" any known type (an undetermined one
// only when included), "·" no test, else the same number value and the same first characters.
bool typeCriterionMet(const std::string& criterion, const std::string& type, bool anyGivenAllowed,
                      bool includeUndetermined);

// A cliché as a result line shows it: its last 4 characters, the first of them dropped
// unless it is "."; the last 3 for the plate-coded editions.
std::string shortenedCliche(std::string_view cliche, bool lastThree);

// How the position column names a stamp, pair or strip starting at p.
struct PositionStyle {
  int sets = 1;
  int panes = 1;
  bool hideOuterPanes = false;  // panes C and D shown without a letter
};
// The position text of p, at most 8 characters.
std::string positionText(const PositionTable& table, int p, const PositionStyle& style);

void appendLeft(std::string& out, std::string_view s, std::size_t width);
void appendRight(std::string& out, std::string_view s, std::size_t width);

}  // namespace kolvard
