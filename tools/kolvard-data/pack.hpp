// `kolvard-data pack`: builds a reference data file from readable sources listed in a
// manifest (see sampledata/README.md for its format).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kolvard::datatool {

struct Bitmap;

// One section ready for the container: its normalised 8-character cp865 name and bytes.
struct PackedSection {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// The container: the group directory at 0 (6-byte entries, ended by 6 spaces), one name
// directory per group (10-byte entries, ended by an entry of 6 spaces carrying the end of
// the group's last section), then the sections, group by group in directory order. Groups
// come in the order of their first section; sections keep their given order within a group.
std::vector<std::uint8_t> buildContainer(const std::vector<PackedSection>& sections);

// Section encoders. `source` names the source in messages; every failure is a PackError.
// Text: one 160-byte cp865 line per source line, padded with blanks.
std::vector<std::uint8_t> encodeTextSection(std::string_view utf8, const std::string& source);
// Inverted records: one record per source line, padded with blanks to `length`.
std::vector<std::uint8_t> encodeInvertedSection(std::string_view utf8, int length,
                                                const std::string& source);
// 16-bit little-endian integers, written as decimal numbers; "#" starts a comment.
std::vector<std::uint8_t> encodeInt16Section(std::string_view text, std::optional<int> count,
                                             const std::string& source);
// One tagged record: each line "*X content" becomes escape, "*", X, content.
std::vector<std::uint8_t> encodeTaggedSection(std::string_view utf8, const std::string& source);

// Fixed-length records stored as they are: one record per source line, padded with blanks
// to `length` (the series index: 16-byte records).
std::vector<std::uint8_t> encodeRecordsSection(std::string_view utf8, int length,
                                               const std::string& source);

// A cliché record: the orientation flag, the tagged fields of the source (lines "*X content";
// lines of the same tag in a row continue one field), escape "*b", then one run-length row
// per image row (count byte, column pairs). The picture has exactly 383 rows; the text part
// up to and with the picture tag holds at most 560 bytes.
inline constexpr int kClicheRows = 383;
inline constexpr int kClicheTextMaxBytes = 560;
using PictureRuns = std::vector<std::vector<std::pair<int, int>>>;  // (first, last) per row
PictureRuns pictureRuns(const Bitmap& image);
std::vector<std::uint8_t> encodeClicheRecord(std::string_view utf8, const Bitmap& picture,
                                             char orientation, const std::string& source,
                                             const std::string& pictureName);
std::vector<std::uint8_t> encodeClicheRecord(std::string_view utf8, const PictureRuns& picture,
                                             char orientation, const std::string& source,
                                             const std::string& pictureName);

struct PackOptions {
  std::filesystem::path sourceDir;                // holds manifest.txt
  std::vector<std::filesystem::path> searchDirs;  // further places for relative sources
};

// Reads the manifest and every source. Throws PackError.
std::vector<PackedSection> readSources(const PackOptions& options);
// Writes through a temporary file in the same directory and renames it over `path`, so a
// failed pack leaves no partial file. Throws PackError.
void writeFileAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace kolvard::datatool
