// The printing-information panel (F4 on the flaw and sheets screens): the lines of the
// section edition + "D" + value + printing, centred at x 321 from y 416, one every 10 units.
#pragma once

#include <string_view>

namespace kolvard {

class DataFile;
class Screen;

// Draws the panel's lines (the caller clears the area first). Stops at the end record, at
// the section end and after 7 lines (6 for "A4s4" and "A4s6").
void drawPrintingInformation(Screen& screen, const DataFile& file, std::string_view edition,
                             std::string_view value, std::string_view printing);

}  // namespace kolvard
