// The one-line description of a frame setting: record s of the edition's section
// edition + "SERIER" ("TSERIER"), 24-byte records. The composite screen and the schemas both
// show it. Texts are cp865.
#pragma once

#include <string>
#include <string_view>

#include "data/data_file.hpp"

namespace kolvard {

inline constexpr int kSettingDescriptionRecord = 24;

// The description of setting s (record s, counted from 1), right-trimmed; empty when the
// section or the record is missing.
std::string frameSettingDescription(const DataFile& file, std::string_view edition, int setting);

}  // namespace kolvard
