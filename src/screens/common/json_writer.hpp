// The JSON of the state dump: objects built field by field, texts written as UTF-8. The
// fields are held as a JSON value (nlohmann-json) in the order they were added; str() writes
// a nested object or array on one line ({"a": 1, "b": "x"}) and, for the Layout
// FieldPerLine, the outer object with a field a line.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kolvard {

class JsonObject {
 public:
  enum class Layout { OneLine, FieldPerLine };
  explicit JsonObject(Layout layout = Layout::OneLine);
  ~JsonObject();
  JsonObject(const JsonObject& other);
  JsonObject& operator=(const JsonObject& other);

  JsonObject& number(std::string_view name, long long value);
  JsonObject& boolean(std::string_view name, bool value);
  // Texts are cp865; they are written as UTF-8.
  JsonObject& text(std::string_view name, std::string_view cp865Text);
  JsonObject& texts(std::string_view name, const std::vector<std::string>& cp865Texts);
  // A nested object (its own layout does not count: it stands on one line).
  JsonObject& json(std::string_view name, const JsonObject& value);
  // An array of objects.
  JsonObject& objects(std::string_view name, const std::vector<JsonObject>& values);

  std::string str() const;

 private:
  struct Value;  // the fields as a JSON object
  Layout layout_;
  std::unique_ptr<Value> value_;
};

}  // namespace kolvard
