// The type pages of the sample set (edition + "TYPER": 64-byte records, one a page of six
// type cells, the side texts of edition "M" after the 16th record, "*" at the end) and a
// type record (a cliché record with its picture) for every type on them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sampledat {

struct TypeValue {
  std::string value;                            // UTF-8, "4ø"; "R" the two-coloured frames
  std::vector<std::vector<std::string>> pages;  // six cells each, "" empty; none: page 0
};

struct EditionTypes {
  char edition;
  std::vector<TypeValue> values;   // in the edition's value order
  std::vector<std::string> sides;  // side texts, written as they are stored (UTF-8)
};

const std::vector<EditionTypes>& sampleTypes();

// The 64-byte page records of one edition, one a line, with the end record.
std::string typePages(const EditionTypes& types);

// The record name of a type: edition + value + "M" + type, "TM" + type for the value "R".
std::string typeRecordName(char edition, const std::string& value, const std::string& type);

// Writes OUT_DIR/<E>TYPER.txt and OUT_DIR/types/<RECORD>.txt/.pbm and appends the manifest
// lines.
void writeTypes(const std::filesystem::path& outDir, std::string& manifest);

}  // namespace sampledat
