// The JSON of the state dump: objects built field by field, texts written as UTF-8. A nested
// object stands on one line ({"a": 1, "b": "x"}); the dump's outer object has a field a line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

// A JSON string literal of a cp865 text.
std::string jsonString(std::string_view cp865Text);
// [a, b, c] of items that are JSON already.
std::string jsonArray(const std::vector<std::string>& items);
// ["a", "b"] of cp865 texts.
std::string jsonStrings(const std::vector<std::string>& cp865Texts);

class JsonObject {
 public:
  enum class Layout { OneLine, FieldPerLine };
  explicit JsonObject(Layout layout = Layout::OneLine) : layout_(layout) {}

  JsonObject& number(std::string_view name, long long value);
  JsonObject& boolean(std::string_view name, bool value);
  JsonObject& text(std::string_view name, std::string_view cp865Text);
  JsonObject& texts(std::string_view name, const std::vector<std::string>& cp865Texts);
  // A value that is JSON already (an object or array).
  JsonObject& json(std::string_view name, std::string_view value);

  std::string str() const;

 private:
  Layout layout_;
  std::string body_;
};

}  // namespace kolvard
