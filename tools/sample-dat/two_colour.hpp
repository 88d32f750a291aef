// The two-coloured edition of the sample set: the value data ("T" + value + "DAT"), the
// frame data "TRAMDAT", the printing order "TTRYK", the frame flaw counts "TRFANTAL", the
// oval series tables ("T" + value + "0") and the series index "TCSERIER", and a flaw record
// with its picture for every oval flaw and every frame flaw the tables name.
#pragma once

#include <filesystem>
#include <string>

namespace sampledat {

// Writes the sources into OUT_DIR (the records under OUT_DIR/twocolour/) and appends the
// manifest lines of every section to `manifest`.
void writeTwoColour(const std::filesystem::path& outDir, std::string& manifest);

}  // namespace sampledat
