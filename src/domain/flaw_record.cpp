#include "domain/flaw_record.hpp"

#include <algorithm>

#include "data/data_file.hpp"
#include "data/tagged_record.hpp"
#include "domain/cliche_record.hpp"

namespace kolvard {
namespace {
constexpr std::size_t kShortBufferCharacters = 5;
}  // namespace

std::string ovalFlawKeyPart(std::string_view valueCode, std::string_view ovalFlawNumber) {
  return std::string(valueCode) + numberKeyPart(ovalFlawNumber);
}

std::string frameFlawKeyPart(std::string_view storedSetting, std::string_view runningNumber) {
  return std::string(storedSetting) + "-" + std::string(runningNumber);
}

std::string flawRecordKey(std::string_view edition, std::string_view keyPart) {
  return codedRecordKey(std::string(edition) + std::string(keyPart));
}

FlawRecord readFlawRecord(const DataFile& file, std::string_view key) {
  return readFlawRecordAt(file, file.findSection(key));
}

FlawRecord readFlawRecordAt(const DataFile& file, const SectionRef& ref) {
  FlawRecord record;
  if (!ref.found()) return record;
  record.exists = true;
  const auto bytes = file.sectionBytes(ref);
  const PictureRecordParts parts = splitPictureRecord(bytes, kFlawRecordBufferBytes);
  const auto description = parts.fields.field('d');
  const bool shortBuffer = !description && parts.text.size() < kShortBufferCharacters;
  record.found = ref.length() >= kFlawRecordMinimumBytes && !shortBuffer;

  record.frameKind = parts.text.empty() ? ' ' : parts.text[0];
  record.description = description.value_or("");
  record.type = parts.fields.field('m', 1).value_or("");  // one character is a type
  record.occurrences = parts.fields.field('t').value_or("");
  record.wandering = parts.fields.field('v').value_or("");
  if (parts.hasPictureTag) {
    record.picture.assign(bytes.begin() + static_cast<std::ptrdiff_t>(parts.pictureStart),
                          bytes.end());
    record.hasPicture = record.picture.size() >= static_cast<std::size_t>(kFlawPictureMinimumBytes);
  }
  return record;
}

bool isInvertedFlawFrame(char frameKind) {
  return frameKind == 'U' || frameKind == 'O';
}

}  // namespace kolvard
