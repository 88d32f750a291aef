#include "support/data_builder.hpp"

#include <map>

namespace kolvard::test {
namespace {
void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
}  // namespace

std::vector<std::uint8_t> DataBuilder::bytes() const {
  // Group the sections by the first two characters of their normalised names.
  std::map<std::string, std::vector<std::pair<std::string, const std::string*>>> groups;
  std::vector<std::string> order;
  for (const auto& [name, content] : sections_) {
    const std::string key = normaliseSectionName(name);
    const std::string group = key.substr(0, 2);
    if (!groups.count(group)) order.push_back(group);
    groups[group].emplace_back(key.substr(2, 6), &content);
  }
  const std::size_t groupDir = 6 * (order.size() + 1);
  std::size_t nameDirs = 0;
  for (const auto& g : order) nameDirs += 10 * (groups[g].size() + 1);
  std::vector<std::uint8_t> out(groupDir + nameDirs, ' ');
  std::size_t nameAt = groupDir;
  std::size_t dataAt = groupDir + nameDirs;
  std::string data;
  for (std::size_t gi = 0; gi < order.size(); ++gi) {
    const auto& g = order[gi];
    out[6 * gi] = static_cast<std::uint8_t>(g[0]);
    out[6 * gi + 1] = static_cast<std::uint8_t>(g[1]);
    put32(out, 6 * gi + 2, static_cast<std::uint32_t>(nameAt));
    for (const auto& [rest, content] : groups[g]) {
      for (std::size_t i = 0; i < 6; ++i) out[nameAt + i] = static_cast<std::uint8_t>(rest[i]);
      put32(out, nameAt + 6, static_cast<std::uint32_t>(dataAt));
      data += *content;
      dataAt += content->size();
      nameAt += 10;
    }
    put32(out, nameAt + 6, static_cast<std::uint32_t>(dataAt));  // closing entry: the end
    nameAt += 10;
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::string glyphRecord(int size, int ascent, int width, const std::vector<std::string>& rows) {
  std::string r(static_cast<std::size_t>(size), '\0');
  const auto be16 = [&r](std::size_t at, int v) {
    r[at] = static_cast<char>((v >> 8) & 0xFF);
    r[at + 1] = static_cast<char>(v & 0xFF);
  };
  be16(2, ascent);
  be16(4, width);
  be16(6, static_cast<int>(rows.size()));
  const std::size_t b = static_cast<std::size_t>((width + 7) / 8);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      if (rows[y][x] != '#') continue;
      const std::size_t at = 10 + y * b + x / 8;
      if (at < r.size()) r[at] = static_cast<char>(r[at] | (0x80 >> (x % 8)));
    }
  }
  return r;
}

std::string fontSection(int recordSize,
                        const std::vector<std::pair<std::uint8_t, std::string>>& glyphs) {
  std::string s(static_cast<std::size_t>(recordSize) * 256, '\0');
  for (const auto& [code, record] : glyphs) {
    s.replace(static_cast<std::size_t>(code) * static_cast<std::size_t>(recordSize), record.size(),
              record);
  }
  return s;
}

}  // namespace kolvard::test
