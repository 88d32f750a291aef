#include "screens/register/register_dump.hpp"

#include "app/state_dump.hpp"

namespace kolvard {

std::string registerStateJson(const RegisterState& reg) {
  std::string out = "{\"criteria\": [";
  for (std::size_t k = 0; k < reg.criteria.size(); ++k) {
    const CriteriaSet& set = reg.criteria[k];
    if (k > 0) out += ", ";
    out += "{\"position\": " + jsonString(set.position) + ", \"type\": " + jsonString(set.type) +
           ", \"cliche\": " + jsonString(set.cliche) + "}";
  }
  out += "], \"setsInUse\": " + std::to_string(reg.setsInUse);
  out += ", \"includeUndetermined\": ";
  out += reg.includeUndetermined ? "true" : "false";
  out += ", \"value\": " + jsonString(reg.value);
  out += ", \"fromPrinting\": " + jsonString(reg.fromPrinting);
  out += ", \"toPrinting\": " + jsonString(reg.toPrinting);
  out += ", \"highestPrinting\": " + jsonString(reg.highestPrinting);
  out += ", \"foundCount\": " + std::to_string(reg.foundCount);
  out += ", \"lineCount\": " + std::to_string(reg.lineCount);
  out += ", \"listOffset\": " + std::to_string(reg.listOffset);
  out += ", \"cursorColumn\": " + std::to_string(reg.cursorColumn);
  out += ", \"cursorRow\": " + std::to_string(reg.cursorRow);
  out += ", \"lines\": [";
  for (int n = 1; n <= reg.lineCount; ++n) {
    std::string line = reg.results.line(n);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (n > 1) out += ", ";
    out += "{\"text\": " + jsonString(line) + ", \"dim\": ";
    out += reg.results.normal(n) ? "false" : "true";
    out += "}";
  }
  out += "]}";
  return out;
}

}  // namespace kolvard
