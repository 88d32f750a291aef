#include "domain/frame_setting_description.hpp"

#include <algorithm>
#include <cstdint>

#include "data/text_fields.hpp"

namespace kolvard {

std::string frameSettingDescription(const DataFile& file, std::string_view edition, int setting) {
  if (setting < 1) return {};
  const SectionRef section = file.findSection(std::string(edition) + "SERIER");
  if (!section.found()) return {};
  const std::int64_t offset = std::int64_t{kSettingDescriptionRecord} * (setting - 1);
  if (offset >= section.length()) return {};
  const std::int64_t count =
      std::min<std::int64_t>(kSettingDescriptionRecord, section.length() - offset);
  const auto bytes = file.readBytes(section.start + offset, count);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return std::string(withoutTrailingPadding(text));
}

}  // namespace kolvard
