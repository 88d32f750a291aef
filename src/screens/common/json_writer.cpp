#include "screens/common/json_writer.hpp"

#include <cstdio>

#include "data/cp865.hpp"

namespace kolvard {

std::string jsonString(std::string_view cp865Text) {
  const std::string utf8 = cp865ToUtf8(cp865Text);
  std::string out = "\"";
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string jsonArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ", ";
    out += items[i];
  }
  return out + "]";
}

std::string jsonStrings(const std::vector<std::string>& cp865Texts) {
  std::vector<std::string> items;
  items.reserve(cp865Texts.size());
  for (const std::string& text : cp865Texts) items.push_back(jsonString(text));
  return jsonArray(items);
}

JsonObject& JsonObject::number(std::string_view name, long long value) {
  return json(name, std::to_string(value));
}

JsonObject& JsonObject::boolean(std::string_view name, bool value) {
  return json(name, value ? "true" : "false");
}

JsonObject& JsonObject::text(std::string_view name, std::string_view cp865Text) {
  return json(name, jsonString(cp865Text));
}

JsonObject& JsonObject::texts(std::string_view name, const std::vector<std::string>& cp865Texts) {
  return json(name, jsonStrings(cp865Texts));
}

JsonObject& JsonObject::json(std::string_view name, std::string_view value) {
  if (!body_.empty()) body_ += layout_ == Layout::OneLine ? ", " : ",\n  ";
  body_ += '"';
  body_ += name;
  body_ += "\": ";
  body_ += value;
  return *this;
}

std::string JsonObject::str() const {
  if (layout_ == Layout::OneLine) return "{" + body_ + "}";
  return "{\n  " + body_ + "\n}";
}

}  // namespace kolvard
