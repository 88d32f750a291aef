#include "screens/register/register_layout.hpp"

namespace kolvard {
namespace {

constexpr FormRow kOneColouredForm[] = {
    {5, "Pos", CriteriaField::Position, 3},
    {6, "M.", CriteriaField::Type, 3},
    {7, "C.", CriteriaField::Cliche, 5},
};

constexpr MenuText kOneColouredMenu[] = {
    {2, 13, "<Enter> ", "Søg", 8}, {2, 15, ". ", "Fjern", 8},  {13, 15, "# ", "Nulstil", 8},
    {2, 16, "- ", "Minus", 8},     {13, 16, "* ", "Incl.", 1},
};

constexpr FormRow kTwoColouredForm[] = {
    {4, "Pos", CriteriaField::Position, 3},  {5, "R/O", CriteriaField::FrameKind, 1},
    {6, "RM.", CriteriaField::FrameType, 3}, {7, "OM.", CriteriaField::Type, 3},
    {8, "OF.", CriteriaField::Cliche, 5},
};

constexpr MenuText kTwoColouredMenu[] = {
    {2, 12, "<Enter> ", "Søg", 8}, {2, 14, "R ", "Ret ram", 8},  {13, 14, "O ", "Omv ram", 8},
    {2, 15, "T ", "Tyk ret", 8},   {13, 15, "U ", "Tyk omv", 8}, {2, 16, ". ", "Fjern", 8},
    {13, 16, "# ", "Nulstil", 8},  {2, 17, "- ", "Minus", 8},    {13, 17, "* ", "Incl.", 1},
};

constexpr RegisterLayout kOneColoured{false,
                                      kOneColouredForm,
                                      5,
                                      7,
                                      2,
                                      13,
                                      12,
                                      " \"ukendte M.\"",
                                      kOneColouredMenu,
                                      "    Typer (M.)",
                                      " ┌Tryk┐ ┌─Pos─┐ ┌────M.───┐ ┌─────C.─────┐"};

// The header's fourth box holds the character of code 18 ("↕") over the frame kinds.
constexpr RegisterLayout kTwoColoured{true,
                                      kTwoColouredForm,
                                      4,
                                      8,
                                      3,
                                      12,
                                      13,
                                      " \"ukendte OM\"",
                                      kTwoColouredMenu,
                                      "    Typer (OM.& RM.)",
                                      " ┌Tryk┐ ┌─Pos─┐ ┌↕┐ ┌───RM───┐ ┌──OM──┐ ┌─────OF─────┐"};

}  // namespace

const RegisterLayout& oneColouredRegister() {
  return kOneColoured;
}

const RegisterLayout& twoColouredRegister() {
  return kTwoColoured;
}

CriteriaField criteriaFieldAt(const RegisterLayout& layout, int row) {
  for (const FormRow& r : layout.form) {
    if (r.row == row) return r.field;
  }
  return CriteriaField::None;
}

}  // namespace kolvard
