#include "app/state_dump.hpp"

#include <cstdio>

#include "data/cp865.hpp"
#include "screens/register/register_dump.hpp"

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

std::string stateDumpJson(const ProgramState& state) {
  const auto field = [](std::string& out, const char* name, const std::string& json) {
    if (out.size() > 4) out += ",\n  ";  // after "{" and the first line's indentation
    out += '"';
    out += name;
    out += "\": ";
    out += json;
  };
  std::string out = "{";
  out += "\n  ";
  const std::string screen = state.viewer.active ? "viewer" : state.screenName;
  field(out, "screen", jsonString(screen));
  field(out, "edition", jsonString(state.edition()));
  field(out, "iceland", std::to_string(state.icelandFlag));
  field(out, "value", jsonString(state.value()));
  field(out, "printing", jsonString(state.settings.printing));
  field(out, "printingTo", jsonString(state.printingTo));
  field(out, "position", jsonString(state.settings.position));
  field(out, "positionIndex", std::to_string(state.positionIndex));
  field(out, "cliche", jsonString(state.cliche));
  field(out, "zoom", std::to_string(state.zoom));
  field(out, "frontPageDrawn", state.frontPageDrawn ? "true" : "false");
  field(out, "caption", jsonString(state.caption));
  if (state.viewer.active) {
    field(out, "viewer",
          "{\"mode\": " + std::to_string(static_cast<int>(state.viewer.mode)) +
              ", \"topLine\": " + std::to_string(state.viewer.topLine) +
              ", \"maxTop\": " + std::to_string(state.viewer.maxTop) + "}");
  }
  field(out, "register", registerStateJson(state.reg));
  std::string flaws = "{\"mode\": " + std::to_string(state.flaws.mode) +
                      ", \"cliche\": " + jsonString(state.cliche) +
                      ", \"followCliche\": " + jsonString(state.followCliche) +
                      ", \"series\": " + std::to_string(state.flaws.series) +
                      ", \"stamp\": " + jsonString(state.flaws.stamp) +
                      ", \"found\": " + (state.flaws.found ? "true" : "false") +
                      ", \"printingInfo\": " + (state.printingInfo ? "true" : "false") +
                      ", \"occurrences\": [";
  for (std::size_t i = 0; i < state.flaws.occurrences.size(); ++i) {
    if (i > 0) flaws += ", ";
    flaws += jsonString(state.flaws.occurrences[i]);
  }
  flaws += "], \"printedFiles\": [";
  for (std::size_t i = 0; i < state.flaws.printedFiles.size(); ++i) {
    if (i > 0) flaws += ", ";
    flaws += jsonString(state.flaws.printedFiles[i]);
  }
  flaws += "], \"printError\": " + jsonString(state.flaws.printError);
  field(out, "flaws", flaws + "}");
  const auto list = [](const std::vector<std::string>& items) {
    std::string json = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) json += ", ";
      json += jsonString(items[i]);
    }
    return json + "]";
  };
  const auto& sheets = state.sheets;
  field(out, "sheets",
        "{\"panes\": " + std::to_string(sheets.panes) +
            ", \"panePair\": " + std::to_string(sheets.panePair) + ", \"printingInfo\": " +
            (sheets.printingInfo ? "true" : "false") + ", \"captions\": " + list(sheets.captions) +
            ", \"watermarks\": " + list(sheets.watermarks) + ", \"files\": " + list(sheets.files) +
            ", \"printError\": " + jsonString(sheets.printError) + "}");
  out += "\n}";
  return out;
}

}  // namespace kolvard
