#include "screens/flaws/cliche_record.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "ui/line_walk.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr char kEscape = 27;
constexpr double kPanelTop = 70;
constexpr char kIndentLessEqual = static_cast<char>(243);     // "≤": 5 units left
constexpr char kIndentGreaterEqual = static_cast<char>(242);  // "≥": 5 units right

// The number at the start of a text in the manner of VAL: leading blanks, a sign, digits and
// a decimal fraction; 0 when there is none.
double leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  double sign = 1;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  double value = 0;
  int digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (digits++ < 12) value = value * 10 + (text[i] - '0');
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      value += scale * (text[i] - '0');
      scale /= 10;
    }
  }
  return sign * value;
}

std::string rightTrimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The content of the field with this tag, when it holds at least `minimum` characters.
std::string taggedField(std::string_view text, char tag, std::size_t minimum) {
  const char marker[3] = {kEscape, '*', tag};
  const auto at = text.find(std::string_view(marker, 3));
  if (at == std::string_view::npos) return {};
  const std::size_t begin = at + 3;
  const auto next = text.find(std::string_view(marker, 2), begin);
  const std::string_view content =
      text.substr(begin, next == std::string_view::npos ? std::string_view::npos : next - begin);
  if (content.size() < minimum) return {};
  return std::string(content);
}

// The row phase: increased before each row, 5 becomes 1; at zoom 2 a phase of 2
// becomes 4 and at zoom 4 the phase is always 1. Rows of phase 4 are not drawn.
struct RowPhase {
  int phase = 1;
  bool next(int zoom) {
    ++phase;
    if (phase == 5) phase = 1;
    if (zoom == 2 && phase == 2) phase = 4;
    if (zoom >= 4) phase = 1;
    return phase != 4;
  }
};

// One horizontal line from x1 towards x2 on row y, the end point itself not drawn (so a line
// from x to x draws nothing), clipped to the panel interior.
void drawRun(Screen& screen, const ClichePanelGeometry& g, int y, long long x1, long long x2,
             int colour) {
  long long from = x1, to = x2;
  if (x2 < x1) {
    from = x2 + 1;
    to = x1 + 1;
  }
  from = std::max<long long>(from, g.interiorLeft());
  to = std::min<long long>(to, g.interiorRight());
  if (to <= from) return;
  screen.hspan(y, static_cast<int>(from), static_cast<int>(to), colour);
}

// A one-pixel line between two pixel points, both ends drawn (as the screen's lineTo),
// clipped to the panel interior.
void drawClippedLine(Screen& screen, const ClichePanelGeometry& g, int x0, int y0, int x1, int y1,
                     int colour) {
  walkLine(x0, y0, x1, y1, [&](int px, int py) {
    if (px >= g.interiorLeft() && px < g.interiorRight() && py >= g.interiorTop() &&
        py < g.interiorBottom()) {
      screen.setPixel(px, py, colour);
    }
  });
}

// The edge-mark code as compared: "Ø" and "ø" as "O", ASCII letters upper-cased.
std::string markCode(std::string_view code) {
  std::string out;
  for (const char c : code) {
    if (c == cp865::kOslash || c == cp865::kOslashUpper) {
      out += 'O';
    } else if (c >= 'a' && c <= 'z') {
      out += static_cast<char>(c - 'a' + 'A');
    } else {
      out += c;
    }
  }
  return out;
}

void drawEdgeMark(Screen& screen, const ClichePanelGeometry& g, const ClicheEdgeMark& mark,
                  double panelX) {
  const int zoom = screen.zoom();
  // Picture units (half a virtual unit) to pixels; the mark numbers are given for the panel
  // at x 230 and move with the panel.
  const double shift = 2 * (panelX - 230);
  const auto cx = [zoom, shift](double p) {
    return static_cast<int>(std::lround((p + shift) * zoom / 4.0));
  };
  const auto cy = [zoom](double p) { return static_cast<int>(std::lround(p * zoom / 4.0)); };
  const int seven = 7 * zoom / 4;
  const int n = mark.number;
  const int x1 = cx(585 + 20 * n), x2 = cx(705 + 20 * n);
  const int y1 = cy(270 - 20 * n), y2 = cy(390 - 20 * n);
  const std::string& code = mark.code;
  for (int i = 1; i <= 10; ++i) {
    const auto line = [&](int ax, int ay, int bx, int by) {
      drawClippedLine(screen, g, ax, ay, bx, by, colour::kKeyFace);
    };
    if (code == "OV") {
      line(x1, std::min(cy(134 + i) + seven, cy(144)), x2, cy(134 + i));
    } else if (code == "OH") {
      line(x1, cy(134 + i), x2, std::min(cy(134 + i) + seven, cy(144)));
    } else if (code == "NV") {
      line(x1, std::max(cy(524 + i) - seven, cy(525)), x2, cy(524 + i));
    } else if (code == "NH") {
      line(x1, cy(524 + i), x2, std::max(cy(524 + i) - seven, cy(525)));
    } else if (code == "VO") {
      line(std::min(cx(450 + i) + seven, cx(460)), y1, cx(450 + i), y2);
    } else if (code == "VN") {
      line(cx(450 + i), y1, std::min(cx(450 + i) + seven, cx(460)), y2);
    } else if (code == "HO") {
      line(std::max(cx(815 + i) - seven, cx(816)), y1, cx(815 + i), y2);
    } else if (code == "HN") {
      line(cx(815 + i), y1, std::max(cx(815 + i) - seven, cx(816)), y2);
    } else {
      return;  // other codes are skipped
    }
  }
}

}  // namespace

char clicheKeyDigit(int d) {
  const int code = d <= 9 ? 48 + d : 55 + d;
  return static_cast<char>(static_cast<unsigned char>(std::clamp(code, 0, 255)));
}

std::string clicheRecordKey(std::string_view valueKey, std::string_view clicheNumber) {
  std::string number(clicheNumber);
  const auto dot = number.find('.');
  if (dot != std::string::npos) {
    number[dot] = '-';
  } else {
    number.insert(0, "-");
  }
  const std::string text = rightTrimmed(std::string(valueKey) + number);
  const auto dash = text.find('-');
  if (dash == std::string::npos) return text;  // not reached: a "-" is always put in
  const double value = leadingNumber(std::string_view(text).substr(dash + 1));
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

ClicheRecord readClicheRecord(const DataFile& file, std::string_view key) {
  ClicheRecord record;
  const SectionRef ref = file.findSection(key);
  if (!ref.found() || ref.length() < kClicheMinimumBytes) return record;
  const auto bytes = file.sectionBytes(ref);
  const std::size_t textLength =
      std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(kClicheTextPartBytes));
  const std::string text(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(textLength));
  const char tag[3] = {kEscape, '*', 'b'};
  const auto at = text.find(std::string_view(tag, 3));
  if (at == std::string::npos) return record;

  record.found = true;
  record.orientation = text.empty() ? ' ' : text[0];
  // The fields before the picture tag; the appended marker ends the last of them.
  std::string fields = text.substr(0, at);
  fields += kEscape;
  fields += '*';
  record.description = taggedField(fields, 'd', 2);
  record.stampNumber = taggedField(fields, 'm', 1);
  record.occurrences = taggedField(fields, 't', 2);
  record.wandering = taggedField(fields, 'v', 2);
  record.picture.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at + 3), bytes.end());
  record.hasPicture = record.picture.size() >= static_cast<std::size_t>(kClicheMinimumBytes);
  return record;
}

std::vector<ClichePictureRow> decodeClichePicture(std::span<const std::uint8_t> bytes) {
  std::vector<ClichePictureRow> rows;
  std::size_t pos = 0;
  while (rows.size() < static_cast<std::size_t>(kClichePictureRows) && pos < bytes.size()) {
    const std::size_t count = bytes[pos++];
    const std::size_t end = std::min(bytes.size(), pos + count);
    ClichePictureRow row;
    int offset = 0;  // grows through the row, never reset between its values
    bool pending = false;
    int start = 0;
    for (; pos < end; ++pos) {
      const std::uint8_t b = bytes[pos];
      if (b == 255) {
        offset += 255;
        continue;
      }
      const int value = offset + b;
      if (!pending) {
        start = value;
        pending = true;
      } else {
        row.emplace_back(start, value);
        pending = false;
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

bool clicheRowDrawn(int rowIndex, int zoom) {
  RowPhase phase;
  bool drawn = false;
  for (int r = 0; r <= rowIndex; ++r) drawn = phase.next(zoom);
  return drawn;
}

ClichePanelGeometry clichePanelGeometry(int zoom, double panelX) {
  const auto trunc = [zoom](double v) { return static_cast<int>(std::trunc(v * zoom / 2.0)); };
  return ClichePanelGeometry{trunc(panelX - 10), trunc(kPanelTop - 10), trunc(panelX + 188),
                             trunc(kPanelTop + 202)};
}

std::string clicheMissingWords(std::string_view edition) {
  if (edition == "R" || edition == "C" || edition == "P" || edition == "L") {
    return "( Ingen fejl registreret )";
  }
  return "( C-nummer ikke anvendt )";
}

void drawClichePicture(Screen& screen, const std::vector<ClichePictureRow>& rows, double panelX,
                       int colour, bool turned) {
  const int s = screen.zoom();
  const ClichePanelGeometry g = clichePanelGeometry(s, panelX);
  int y = screen.px(turned ? kPanelTop + 192 : kPanelTop);
  const long long base = screen.px(panelX + (turned ? 1 : 5));
  RowPhase phase;
  for (const ClichePictureRow& row : rows) {
    if (!phase.next(s)) continue;  // read but not drawn; y stays
    y += turned ? -1 : 1;
    if (y < g.interiorTop() || y >= g.interiorBottom()) continue;
    for (const auto& [a, b] : row) {
      const long long la = a, lb = b;
      long long x1, x2;
      if (!turned) {
        x1 = base + s * la / 4;
        x2 = lb - la < 3 ? x1 + s * (lb - la) / 3 + 1 : base + s * lb / 4 + 1;
      } else {
        // trunc(86·S − S·a/4) as one integer division (which truncates toward zero)
        x1 = base + (344 * s - s * la) / 4;
        x2 = lb - la < 3 ? x1 - s * (lb - la) / 3 - 1 : base + (344 * s - s * lb) / 4 - 1;
      }
      drawRun(screen, g, y, x1, x2, colour);
    }
  }
}

ClicheRecord drawClichePanel(Screen& screen, const DataFile& file,
                             const ClichePanelRequest& request) {
  const double p = request.panelX;
  const ClichePanelGeometry g = clichePanelGeometry(screen.zoom(), p);

  // The double frame: the rectangle and a second one a pixel outside it.
  for (int k = 0; k < 2; ++k) {
    const int left = g.frameLeft - k, top = g.frameTop - k;
    const int right = g.frameRight + k, bottom = g.frameBottom + k;
    screen.hspan(top, left, right + 1, colour::kBlack);
    screen.hspan(bottom, left, right + 1, colour::kBlack);
    for (int y = top; y <= bottom; ++y) {
      screen.setPixel(left, y, colour::kBlack);
      screen.setPixel(right, y, colour::kBlack);
    }
  }

  // The background, with no outline of another colour.
  const int fill = request.uncertain ? 17 : colour::kWhite;
  const int textColour = screen.textColour();
  screen.setTextColour(fill);
  screen.fillBox(p - 9, kPanelTop - 9, p + 187, kPanelTop + 201, fill);
  screen.setTextColour(textColour);

  ClicheRecord record =
      readClicheRecord(file, clicheRecordKey(request.valueKey, request.clicheNumber));
  if (!record.found) {
    if (request.mode == ClichePanelMode::ByNumber) {
      const std::string edition =
          !request.edition.empty() ? request.edition : request.valueKey.substr(0, 1);
      screen.drawGlyphText(clicheMissingWords(edition), p + 89, 140,
                           GlyphStyle{Font::C, kCentred, 1, 3, colour::kDarkGrey});
    }
    return record;
  }
  if (record.hasPicture) {
    drawClichePicture(screen, decodeClichePicture(record.picture), p, request.colour,
                      request.turned && record.turnedOrientation());
  }
  return record;
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
      out.marks.push_back(
          ClicheEdgeMark{markCode(std::string_view(list).substr(i, 2)),
                         static_cast<int>(leadingNumber(std::string_view(list).substr(i + 2, 2)))});
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
      const double n1 = leadingNumber(rest.substr(0, c1));
      double n2 = 0;
      std::string label;
      if (c1 != std::string_view::npos) {
        const std::string_view after = rest.substr(c1 + 1);
        const auto c2 = after.find(',');
        n2 = leadingNumber(after.substr(0, c2));
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

void drawClicheAnnotations(Screen& screen, std::string_view description, double panelX,
                           double labelBaseY) {
  const ClicheDescription parsed = parseClicheDescription(description);
  const ClichePanelGeometry g = clichePanelGeometry(screen.zoom(), panelX);
  for (const ClicheEdgeMark& mark : parsed.marks) drawEdgeMark(screen, g, mark, panelX);

  for (const ClichePlacedLabel& label : parsed.labels) {
    const int mode = label.kind == 'h'   ? kFromLeft
                     : label.kind == 'v' ? kToRight
                     : label.kind == 'o' ? kVerticalUp
                                         : kVerticalDown;
    const double x = std::round((panelX - 4) + 1.79 * label.x);
    const double y = std::round(labelBaseY + 2.05 * label.y);
    screen.drawGlyphText(label.text, x, y, GlyphStyle{Font::C, mode, 1, 2, colour::kBlack});
  }

  for (int d = 1; d <= 9; ++d) {
    const std::string& line = parsed.lines[static_cast<std::size_t>(d)];
    if (line.empty()) continue;
    const ClicheLinePlace place = clicheDescriptionLinePlace(line, d, panelX, labelBaseY);
    screen.drawGlyphText(place.text, place.x, place.y,
                         GlyphStyle{Font::C, kCentred, 1, 2, colour::kBlack});
  }
}

}  // namespace kolvard
