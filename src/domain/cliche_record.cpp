#include "domain/cliche_record.hpp"

#include <algorithm>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/run_length_rows.hpp"
#include "data/tagged_record.hpp"
#include "data/text_fields.hpp"
#include "domain/sheet_walk.hpp"

namespace kolvard {
namespace {

constexpr char kIndentLessEqual = static_cast<char>(243);     // "≤": 5 units left
constexpr char kIndentGreaterEqual = static_cast<char>(242);  // "≥": 5 units right

// The edge-mark code as compared: "Ø" and "ø" as "O", ASCII letters upper-cased.
std::string markCode(std::string_view code) {
  std::string out = asciiUpper(code);
  for (char& c : out) {
    if (c == cp865::kOslash || c == cp865::kOslashUpper) c = 'O';
  }
  return out;
}

}  // namespace

char clicheKeyDigit(int d) {
  const int code = d <= 9 ? 48 + d : 55 + d;
  return static_cast<char>(static_cast<unsigned char>(std::clamp(code, 0, 255)));
}

std::string numberKeyPart(std::string_view number) {
  std::string part(number);
  const auto dot = part.find('.');
  if (dot != std::string::npos) {
    part[dot] = '-';
  } else {
    part.insert(0, "-");
  }
  return part;
}

std::string codedRecordKey(std::string_view name) {
  const std::string text(withoutTrailingBlanks(name));
  const auto dash = text.find('-');
  if (dash == std::string::npos) return text;
  const double value = leadingDecimal(std::string_view(text).substr(dash + 1));
  long long n = static_cast<long long>(value);
  long long q = 0;
  if (n > 32) {
    q = (n - 1) / 32;
    n -= 32 * q;
  }
  std::string key = text.substr(0, dash + 1);
  key += clicheKeyDigit(static_cast<int>(std::min<long long>(q, 1000)));
  key += clicheKeyDigit(static_cast<int>(n));
  return key;
}

std::string clicheRecordKey(std::string_view valueKey, std::string_view clicheNumber) {
  return codedRecordKey(std::string(valueKey) + numberKeyPart(clicheNumber));
}

ClicheRecord readClicheRecord(const DataFile& file, std::string_view key) {
  return readClicheRecordAt(file, file.findSection(key));
}

ClicheRecord readClicheRecordAt(const DataFile& file, const SectionRef& ref) {
  ClicheRecord record;
  if (!ref.found() || ref.length() < kClicheMinimumBytes) return record;
  const auto bytes = file.sectionBytes(ref);
  const PictureRecordParts parts = splitPictureRecord(bytes, kClicheTextPartBytes);
  if (!parts.hasPictureTag) return record;

  record.found = true;
  record.orientation = parts.text.empty() ? ' ' : parts.text[0];
  record.description = parts.fields.field('d').value_or("");
  record.stampNumber = parts.fields.field('m', 1).value_or("");
  record.occurrences = parts.fields.field('t').value_or("");
  record.wandering = parts.fields.field('v').value_or("");
  record.picture.assign(bytes.begin() + static_cast<std::ptrdiff_t>(parts.pictureStart),
                        bytes.end());
  record.hasPicture = record.picture.size() >= static_cast<std::size_t>(kClicheMinimumBytes);
  return record;
}

std::vector<ClichePictureRow> decodeClichePicture(std::span<const std::uint8_t> bytes) {
  return decodeRunLengthRows(bytes, kClichePictureRows);
}

std::string clicheMissingWords(std::string_view edition) {
  return isPlateEdition(edition) ? "( Ingen fejl registreret )" : "( C-nummer ikke anvendt )";
}

ClicheDescription parseClicheDescription(std::string_view description) {
  ClicheDescription out;
  std::string text(description);

  // Edge marks: "$P" up to the next "$", cut out of the description.
  const auto p = text.find("$P");
  if (p != std::string::npos) {
    const auto end = text.find('$', p + 2);
    const std::string list =
        text.substr(p + 2, end == std::string::npos ? std::string::npos : end - (p + 2));
    text.erase(p, end == std::string::npos ? std::string::npos : end - p);
    for (std::size_t i = 0; i + 4 <= list.size(); i += 4) {
      out.marks.push_back(ClicheEdgeMark{
          markCode(std::string_view(list).substr(i, 2)),
          static_cast<int>(leadingDecimal(std::string_view(list).substr(i + 2, 2)))});
    }
  }

  // Items: each preceded by "$"; text before the first "$" is ignored.
  std::size_t at = text.find('$');
  while (at != std::string::npos) {
    const std::size_t begin = at + 1;
    const std::size_t next = text.find('$', begin);
    const std::string_view item = std::string_view(text).substr(
        begin, next == std::string::npos ? std::string::npos : next - begin);
    at = next;
    if (item.empty()) continue;
    const char first = item[0];
    if (first >= '1' && first <= '9') {
      out.lines[static_cast<std::size_t>(first - '0')] = std::string(item);
    } else if (first == 'h' || first == 'v' || first == 'o' || first == 'n') {
      const std::string_view rest = item.substr(1);
      const auto c1 = rest.find(',');
      const double n1 = leadingDecimal(rest.substr(0, c1));
      double n2 = 0;
      std::string label;
      if (c1 != std::string_view::npos) {
        const std::string_view after = rest.substr(c1 + 1);
        const auto c2 = after.find(',');
        n2 = leadingDecimal(after.substr(0, c2));
        if (c2 != std::string_view::npos) label = std::string(after.substr(c2 + 1));
      }
      if (n1 == 0) continue;  // the first number 0 skips the item
      ClichePlacedLabel l;
      l.kind = first;
      l.text = std::move(label);
      if (first == 'h' || first == 'v') {
        l.x = n1;
        l.y = n2;
      } else {
        l.y = n1;
        l.x = n2;
      }
      out.labels.push_back(std::move(l));
    }
  }
  return out;
}

ClicheLinePlace clicheDescriptionLinePlace(std::string_view line, int d, double panelX,
                                           double labelBaseY) {
  std::string_view text = line.empty() ? line : line.substr(1);
  double shift = 0;
  while (!text.empty()) {
    const char c = text[0];
    if (c == '<') {
      shift -= 20;
    } else if (c == '>') {
      shift += 20;
    } else if (c == kIndentLessEqual) {
      shift -= 5;
    } else if (c == kIndentGreaterEqual) {
      shift += 5;
    } else {
      break;
    }
    text.remove_prefix(1);
  }
  double y = labelBaseY + 4 + 13.0 * d;
  if (d > 3) y += 40;
  if (d > 6) y += 40;
  return ClicheLinePlace{std::string(text), panelX + 90 + shift, y};
}

}  // namespace kolvard
