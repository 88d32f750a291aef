// The state dump read back as JSON, for tests that compare its values:
//   EXPECT_EQ(dump["flaws"]["mode"], 2);
// On a value that is not const a missing key reads as null, so such a comparison fails naming
// both sides.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

namespace nlohmann {
// GoogleTest takes a JSON value for a container and would print it element by element; a
// failing comparison shows the value's JSON text instead.
inline void PrintTo(const json& value, std::ostream* out) {
  *out << value.dump(-1, ' ', false, json::error_handler_t::replace);
}
}  // namespace nlohmann

namespace kolvard::test {

// The parsed text; a text that is not JSON fails the test and gives an empty object.
nlohmann::json parsedDump(const std::string& text);
// The state dump a key script's state:FILE step wrote.
nlohmann::json readDump(const std::filesystem::path& file);
// Whether `object` holds every field of `expected` with the same value (others may be there
// too); a failure names each field that differs:
//   EXPECT_TRUE(hasFields(dump["composites"], {{"composite", 37}, {"count", 48}}));
::testing::AssertionResult hasFields(const nlohmann::json& object, const nlohmann::json& expected);

}  // namespace kolvard::test
