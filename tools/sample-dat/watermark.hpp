// The drawing of the letter watermarks ("KOLVM"): block letters in outline, upright on the
// left and mirrored on the right, 749 rows.
#pragma once

#include <filesystem>
#include <string>

namespace sampledat {

inline constexpr int kWatermarkRows = 749;

// Writes OUT_DIR/KOLVM.pbm and appends its manifest line.
void writeWatermarks(const std::filesystem::path& outDir, std::string& manifest);

}  // namespace sampledat
