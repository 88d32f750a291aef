#include <string>

#include "data/run_length_rows.hpp"
#include "kolvard-data/check_sections.hpp"
#include "ui/glyph_font.hpp"

namespace kolvard::datatool {
namespace {

constexpr int kGlyphCount = 256;
constexpr int kGlyphHeaderBytes = 10;

// Every font draws the digits and capitals of the program's texts: their glyphs have ink.
bool mustHaveInk(std::size_t code) {
  return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
}

bool hasInk(const Glyph& glyph) {
  for (const std::uint8_t b : glyph.bits) {
    if (b != 0) return true;
  }
  return false;
}

}  // namespace

void checkFont(CheckContext& context, const CheckedSection& section) {
  const int recordSize = section.kind.recordSize;
  const auto bytes = context.file().sectionBytes(section.ref);
  const std::size_t expected = static_cast<std::size_t>(kGlyphCount) * recordSize;
  if (bytes.size() != expected) {
    context.report(section.name, section.ref.start,
                   "the font holds " + std::to_string(bytes.size()) + " bytes, not 256 glyph " +
                       "records of " + std::to_string(recordSize) + " bytes");
  }
  const std::size_t records = std::min<std::size_t>(kGlyphCount, bytes.size() / recordSize);
  for (std::size_t code = 0; code < records; ++code) {
    const auto record = bytes.subspan(code * recordSize, recordSize);
    const Glyph glyph = decodeGlyphRecord(record);
    const std::int64_t offset = section.ref.start + static_cast<std::int64_t>(code * recordSize);
    const std::string which = "glyph " + std::to_string(code) + ": ";
    if (glyph.width != glyph.drawWidth) {
      context.report(section.name, offset,
                     which + "its width " + std::to_string(glyph.width) +
                         " does not fit the byte the drawing reads");
    }
    const int bitmap = glyph.rows * glyph.bytesPerRow;
    if (kGlyphHeaderBytes + bitmap > recordSize) {
      context.report(section.name, offset,
                     which + "its bitmap of " + std::to_string(glyph.rows) + " rows of " +
                         std::to_string(glyph.bytesPerRow) + " bytes runs past the record");
    } else if (mustHaveInk(code) && !hasInk(glyph)) {
      context.report(section.name, offset,
                     which + "\"" + std::string(1, static_cast<char>(code)) +
                         "\" has no ink (width " + std::to_string(glyph.width) + ", " +
                         std::to_string(glyph.rows) + " rows)");
    }
  }
}

void checkRunLengthRows(CheckContext& context, const std::string& section, std::int64_t offset,
                        std::span<const std::uint8_t> bytes, int rows) {
  RunLengthStatus status;
  const auto decoded = decodeRunLengthRows(bytes, rows, &status);
  const auto rowText = [](int row) { return "row " + std::to_string(row + 1); };
  if (status.cutRow >= 0) {
    context.report(section, offset + static_cast<std::int64_t>(status.bytesUsed),
                   "the picture data ends inside " + rowText(status.cutRow));
  } else if (decoded.size() < static_cast<std::size_t>(rows)) {
    context.report(section, offset + static_cast<std::int64_t>(status.bytesUsed),
                   "the picture ends after " + std::to_string(decoded.size()) + " of its " +
                       std::to_string(rows) + " rows");
  } else if (status.bytesUsed < bytes.size()) {
    context.report(section, offset + static_cast<std::int64_t>(status.bytesUsed),
                   std::to_string(bytes.size() - status.bytesUsed) + " bytes follow the last of " +
                       std::to_string(rows) + " rows");
  }
  if (status.unpairedRow >= 0) {
    context.report(section, offset,
                   rowText(status.unpairedRow) + " ends with a column that starts no whole run");
  }
  if (status.reversedRow >= 0) {
    context.report(section, offset,
                   rowText(status.reversedRow) + " has a run that ends before it starts");
  }
}

void checkPicture(CheckContext& context, const CheckedSection& section) {
  const auto bytes = context.file().sectionBytes(section.ref);
  if (bytes.empty()) {
    context.report(section.name, section.ref.start, "the picture is empty");
    return;
  }
  // The first byte is not read.
  checkRunLengthRows(context, section.name, section.ref.start + 1, bytes.subspan(1),
                     section.kind.rows);
}

}  // namespace kolvard::datatool
