// What tells the register screens of the editions apart: the rows of the search form and their
// fields, the texts of the static screen, and whether the stamps are described by a type and a
// cliché (one-coloured) or by a frame and an oval (the two-coloured edition). The keys, the
// list and the paging are the same for both.
#pragma once

#include <span>

namespace kolvard {

// What a form row of the criteria sets holds.
enum class CriteriaField { None, Position, FrameKind, FrameType, Type, Cliche };

struct FormRow {
  int row;
  const char* label;  // UTF-8
  CriteriaField field;
  int width;  // cells of each set's field
};

// A key letter in palette 2 and its word in `wordColour`, at a text cell.
struct MenuText {
  int column, row;
  const char* key;   // UTF-8
  const char* word;  // UTF-8
  int wordColour;
};

struct RegisterLayout {
  bool twoColoured;
  std::span<const FormRow> form;
  int positionRow;           // the first criteria row; Up from it goes to the printing row
  int lastRow;               // the last criteria row
  int typeLength;            // characters of the type (M.) or oval type (OM.) criterion
  int searchRow;             // "<Enter> Søg" and the progress of a search
  int includeRow;            // "& Incl." / "Excl."
  const char* includeLabel;  // UTF-8, after "Incl."/"Excl."
  std::span<const MenuText> menu;
  const char* typesMenu;  // UTF-8, the side menu line of F8
  const char* header;     // UTF-8, the list's column header
};

const RegisterLayout& oneColouredRegister();
const RegisterLayout& twoColouredRegister();

// The field of a form row; None for a row without criteria.
CriteriaField criteriaFieldAt(const RegisterLayout& layout, int row);

}  // namespace kolvard
