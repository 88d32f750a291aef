// The type pages of the two-coloured edition ("TTYPER": 36-byte records, one a page of up to
// six oval types of a value or frame types of a main group "R2", "R4", "R5", "*" at the end)
// and a two-coloured flaw record with its picture for every type on them.
#pragma once

#include <filesystem>
#include <string>

namespace sampledat {

// Writes OUT_DIR/TTYPER.txt and the records under OUT_DIR/twocolour/, and appends the
// manifest lines.
void writeTwoColourTypes(const std::filesystem::path& outDir, std::string& manifest);

}  // namespace sampledat
