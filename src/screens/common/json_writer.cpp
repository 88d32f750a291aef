#include "screens/common/json_writer.hpp"

#include <nlohmann/json.hpp>

#include "data/cp865.hpp"

namespace kolvard {

struct JsonObject::Value {
  nlohmann::ordered_json fields = nlohmann::ordered_json::object();
};

namespace {

using Json = nlohmann::ordered_json;

// Every cp865 byte has a Unicode character, so the UTF-8 of a text is always valid; should an
// invalid sequence ever reach the writer it becomes U+FFFD instead of an exception.
std::string scalarText(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A value on one line: ", " between the items, ": " after a name.
void writeOneLine(std::string& out, const Json& value) {
  if (value.is_object()) {
    out += '{';
    bool first = true;
    for (const auto& [name, item] : value.items()) {
      if (!first) out += ", ";
      first = false;
      out += scalarText(Json(name));
      out += ": ";
      writeOneLine(out, item);
    }
    out += '}';
  } else if (value.is_array()) {
    out += '[';
    for (std::size_t i = 0; i < value.size(); ++i) {
      if (i > 0) out += ", ";
      writeOneLine(out, value[i]);
    }
    out += ']';
  } else {
    out += scalarText(value);
  }
}

}  // namespace

JsonObject::JsonObject(Layout layout) : layout_(layout), value_(std::make_unique<Value>()) {}
JsonObject::~JsonObject() = default;
// Copies hold their own fields; there is no moved-from object without any.
JsonObject::JsonObject(const JsonObject& other)
    : layout_(other.layout_), value_(std::make_unique<Value>(*other.value_)) {}
JsonObject& JsonObject::operator=(const JsonObject& other) {
  if (this != &other) {
    layout_ = other.layout_;
    *value_ = *other.value_;
  }
  return *this;
}

JsonObject& JsonObject::number(std::string_view name, long long value) {
  value_->fields[std::string(name)] = value;
  return *this;
}

JsonObject& JsonObject::boolean(std::string_view name, bool value) {
  value_->fields[std::string(name)] = value;
  return *this;
}

JsonObject& JsonObject::text(std::string_view name, std::string_view cp865Text) {
  value_->fields[std::string(name)] = cp865ToUtf8(cp865Text);
  return *this;
}

JsonObject& JsonObject::texts(std::string_view name, const std::vector<std::string>& cp865Texts) {
  Json items = Json::array();
  for (const std::string& text : cp865Texts) items.push_back(cp865ToUtf8(text));
  value_->fields[std::string(name)] = std::move(items);
  return *this;
}

JsonObject& JsonObject::json(std::string_view name, const JsonObject& value) {
  value_->fields[std::string(name)] = value.value_->fields;
  return *this;
}

JsonObject& JsonObject::objects(std::string_view name, const std::vector<JsonObject>& values) {
  Json items = Json::array();
  for (const JsonObject& value : values) items.push_back(value.value_->fields);
  value_->fields[std::string(name)] = std::move(items);
  return *this;
}

std::string JsonObject::str() const {
  const Json& fields = value_->fields;
  if (layout_ == Layout::OneLine || fields.empty()) {
    std::string out;
    writeOneLine(out, fields);
    return out;
  }
  std::string out = "{";
  bool first = true;
  for (const auto& [name, item] : fields.items()) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    out += scalarText(Json(name));
    out += ": ";
    writeOneLine(out, item);
  }
  return out + "\n}";
}

}  // namespace kolvard
