#include "support/parsed_dump.hpp"

#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace kolvard::test {

nlohmann::json parsedDump(const std::string& text) {
  nlohmann::json value = nlohmann::json::parse(text, nullptr, false);
  if (value.is_discarded() || !value.is_object()) {
    ADD_FAILURE() << "the state dump is not a JSON object:\n" << text;
    return nlohmann::json::object();
  }
  return value;
}

nlohmann::json readDump(const std::filesystem::path& file) {
  if (!std::filesystem::exists(file)) {
    ADD_FAILURE() << "no state dump " << file;
    return nlohmann::json::object();
  }
  return parsedDump(readFile(file));
}

::testing::AssertionResult hasFields(const nlohmann::json& object, const nlohmann::json& expected) {
  if (!expected.is_object() || expected.empty()) {
    return ::testing::AssertionFailure() << "no fields to compare: " << expected.dump();
  }
  if (!object.is_object()) return ::testing::AssertionFailure() << "not an object: " << object;
  std::string wrong;
  for (const auto& [name, value] : expected.items()) {
    const auto field = object.find(name);
    if (field == object.end()) {
      wrong += "\n  " + name + " is missing";
    } else if (*field != value) {
      wrong += "\n  " + name + " is " + field->dump() + ", not " + value.dump();
    }
  }
  if (wrong.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << object.dump() << wrong;
}

}  // namespace kolvard::test
