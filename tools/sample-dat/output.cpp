#include "sample-dat/output.hpp"

#include <cctype>
#include <fstream>
#include <stdexcept>

namespace sampledat {

namespace fs = std::filesystem;
using kolvard::datatool::Bitmap;

std::string upper(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8.compare(i, 2, "ø") == 0 || utf8.compare(i, 2, "Ø") == 0) {
      out += 'O';
      ++i;
    } else {
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(utf8[i])));
    }
  }
  return out;
}

char digit(int d) {
  return static_cast<char>(d <= 9 ? 48 + d : 55 + d);
}

void writeText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

// P4 PBM, written straight from the ink bytes.
std::vector<std::uint8_t> pbm(const Bitmap& b) {
  const std::string header =
      "P4\n" + std::to_string(b.width) + " " + std::to_string(b.height) + "\n";
  const auto rowBytes = static_cast<std::size_t>((b.width + 7) / 8);
  std::vector<std::uint8_t> out(header.begin(), header.end());
  const std::size_t start = out.size();
  out.resize(start + rowBytes * static_cast<std::size_t>(b.height), 0);
  const std::uint8_t* ink = b.ink.data();
  const auto w = static_cast<std::size_t>(b.width);
  for (std::size_t y = 0; y < static_cast<std::size_t>(b.height); ++y)
    for (std::size_t x = 0; x < w; ++x)
      if (ink[y * w + x])
        out[start + y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  return out;
}

}  // namespace sampledat

namespace sampledat {

void writeRecordSource(const std::filesystem::path& dir, const std::string& folder,
                       const RecordSource& record, std::string& manifest) {
  std::filesystem::create_directories(dir / folder);
  std::string source = "# " + record.comment + "\n";
  for (const auto& [tag, content] : record.fields)
    source += "*" + std::string(1, tag) + " " + content + "\n";
  writeText(dir / folder / (record.key + ".txt"), source);
  writeBytes(dir / folder / (record.key + ".pbm"), pbm(*record.picture));
  const std::string path = folder + "/" + record.key;
  manifest += "cliche   " + record.key + " " + path + ".txt picture=" + path + ".pbm";
  if (record.orientation != ' ') manifest += " orientation=" + std::string(1, record.orientation);
  manifest += "\n";
}

}  // namespace sampledat
