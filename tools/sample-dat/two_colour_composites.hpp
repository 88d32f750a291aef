// The composite clichés of the two-coloured edition in the sample set: a few oval series
// ("TF4s2-1", "TF100O-1") and frame settings ("TF28-1", "TF58-1"), and the oval inset
// "TOVALIN" of the Icelandic values.
#pragma once

#include <filesystem>
#include <string>

namespace sampledat {

// Writes the pictures under OUT_DIR/tccomposites/ and appends their manifest lines.
void writeTwoColourComposites(const std::filesystem::path& outDir, std::string& manifest);

}  // namespace sampledat
