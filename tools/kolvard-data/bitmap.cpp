#include "kolvard-data/bitmap.hpp"

#include <fstream>
#include <iterator>

#include "kolvard-data/pack_error.hpp"
#include "ui/png_image.hpp"

namespace kolvard::datatool {
namespace {

class PbmReader {
 public:
  PbmReader(std::span<const std::uint8_t> bytes, const std::string& source)
      : bytes_(bytes), source_(source) {}

  // A header number, skipping white space and "#" comments.
  int number() {
    skipSpace();
    long value = 0;
    bool any = false;
    while (pos_ < bytes_.size() && bytes_[pos_] >= '0' && bytes_[pos_] <= '9') {
      value = value * 10 + (bytes_[pos_++] - '0');
      if (value > 100000) fail("image size too large");
      any = true;
    }
    if (!any) fail("bad PBM header");
    return static_cast<int>(value);
  }
  // The next plain-format pixel digit.
  bool plainPixel() {
    skipSpace();
    if (pos_ >= bytes_.size()) fail("pixel data ends early");
    const auto c = bytes_[pos_++];
    if (c != '0' && c != '1') fail("bad pixel character in P1 data");
    return c == '1';
  }
  std::span<const std::uint8_t> rest() {
    if (pos_ >= bytes_.size()) return {};
    return bytes_.subspan(pos_);
  }
  void skipOneSpace() {
    if (pos_ < bytes_.size()) ++pos_;
  }
  [[noreturn]] void fail(const std::string& what) const { throw PackError(source_ + ": " + what); }

 private:
  void skipSpace() {
    while (pos_ < bytes_.size()) {
      const auto c = bytes_[pos_];
      if (c == '#') {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n') ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++pos_;
      } else {
        break;
      }
    }
  }
  std::span<const std::uint8_t> bytes_;
  std::string source_;
  std::size_t pos_ = 2;
};

}  // namespace

Bitmap parsePbm(std::span<const std::uint8_t> bytes, const std::string& source) {
  if (bytes.size() < 2 || bytes[0] != 'P' || (bytes[1] != '1' && bytes[1] != '4')) {
    throw PackError(source + ": not a P1 or P4 PBM file");
  }
  PbmReader in(bytes, source);
  const int width = in.number();
  const int height = in.number();
  if (width <= 0 || height <= 0) in.fail("empty image");
  Bitmap image(width, height);
  if (bytes[1] == '1') {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) image.set(x, y, in.plainPixel());
    }
    return image;
  }
  in.skipOneSpace();
  const auto data = in.rest();
  const std::size_t rowBytes = static_cast<std::size_t>((width + 7) / 8);
  if (data.size() < rowBytes * static_cast<std::size_t>(height)) in.fail("pixel data ends early");
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto b = data[static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x / 8)];
      image.set(x, y, (b >> (7 - x % 8)) & 1);
    }
  }
  return image;
}

Bitmap readBitmap(const std::filesystem::path& path) {
  const std::string source = path.string();
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PackError(source + ": cannot be read");
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  if (bytes.size() >= 8 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' &&
      bytes[3] == 'G') {
    const auto png = readPng(path);
    if (!png) throw PackError(source + ": not a readable PNG file");
    Bitmap image(png->width(), png->height());
    for (int y = 0; y < png->height(); ++y) {
      for (int x = 0; x < png->width(); ++x) {
        const Rgb c = png->at(x, y);
        const int luma =
            (299 * static_cast<int>((c >> 16) & 0xFF) + 587 * static_cast<int>((c >> 8) & 0xFF) +
             114 * static_cast<int>(c & 0xFF)) /
            1000;
        image.set(x, y, luma < 128);
      }
    }
    return image;
  }
  return parsePbm(bytes, source);
}

std::vector<std::uint8_t> writePbm(const Bitmap& image) {
  const std::string header =
      "P4\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n";
  std::vector<std::uint8_t> out(header.begin(), header.end());
  const std::size_t rowBytes = static_cast<std::size_t>((image.width + 7) / 8);
  const std::size_t start = out.size();
  out.resize(start + rowBytes * static_cast<std::size_t>(image.height), 0);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!image.at(x, y)) continue;
      auto& b =
          out[start + static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x / 8)];
      b = static_cast<std::uint8_t>(b | (0x80 >> (x % 8)));
    }
  }
  return out;
}

std::vector<std::vector<std::pair<int, int>>> inkRuns(const Bitmap& image) {
  std::vector<std::vector<std::pair<int, int>>> rows(static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    auto& runs = rows[static_cast<std::size_t>(y)];
    int x = 0;
    while (x < image.width) {
      if (!image.at(x, y)) {
        ++x;
        continue;
      }
      const int first = x;
      while (x < image.width && image.at(x, y)) ++x;
      runs.emplace_back(first, x - 1);
    }
  }
  return rows;
}

void appendRunLengthRows(std::vector<std::uint8_t>& out,
                         const std::vector<std::vector<std::pair<int, int>>>& rows,
                         const std::string& source) {
  std::vector<std::uint8_t> data;
  for (std::size_t y = 0; y < rows.size(); ++y) {
    data.clear();
    int base = 0;
    const auto put = [&](int column) {
      while (column - base >= 255) {
        data.push_back(255);
        base += 255;
      }
      data.push_back(static_cast<std::uint8_t>(column - base));
    };
    for (const auto& [first, last] : rows[y]) {
      put(first);
      put(last);
    }
    if (data.size() > 255) {
      throw PackError(source + ": row " + std::to_string(y + 1) + " needs " +
                      std::to_string(data.size()) + " bytes of run data (" +
                      std::to_string(rows[y].size()) + " runs); a row holds at most 255");
    }
    out.push_back(static_cast<std::uint8_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
  }
}

std::vector<std::uint8_t> encodeRunLengthPicture(const Bitmap& image, const std::string& source) {
  std::vector<std::uint8_t> out{0};  // the unused first byte
  appendRunLengthRows(out, inkRuns(image), source);
  return out;
}

}  // namespace kolvard::datatool
