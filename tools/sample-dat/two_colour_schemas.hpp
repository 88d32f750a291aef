// What the two-coloured sample knows of whole sheets, for the schema screen: the watermark
// side of a few printings ("W" records in the value data), the sheet texts of "4s", "8ø" and
// "16ø" ("T" + value + "DAU") and the setting-keyed whole-sheet texts "THELARK".
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sample-dat/two_colour_values.hpp"

namespace sampledat::tc {

// Puts the "W" records into the value data and writes the "DAU" and "THELARK" sources into
// OUT_DIR, appending their manifest lines.
void addSchemaSheets(const std::filesystem::path& outDir, std::vector<ValuePlan>& values,
                     std::string& manifest);

}  // namespace sampledat::tc
