#include "sample-dat/two_colour_tables.hpp"

#include <stdexcept>

namespace sampledat::tc {
namespace {

std::string padded(const std::string& s, std::size_t n) {
  if (s.size() > n) throw std::runtime_error("field \"" + s + "\" too wide");
  return s + std::string(n - s.size(), ' ');
}

std::string trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// The leading digits of a text as a number (0 when there are none).
int number(const std::string& s) {
  int n = 0;
  for (const char c : s) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string chars(const std::string& record, std::size_t from, std::size_t to) {
  std::string r = record;
  r.resize(18, ' ');
  return r.substr(from - 1, to - from + 1);
}

char turned(char kind, bool all) {
  if (all) {
    if (kind == ' ') return 'O';
    if (kind == 'O') return ' ';
  } else {
    if (kind == ' ') return kDownArrow;
    if (kind == kDownArrow) return ' ';
  }
  if (kind == 'T') return 'U';
  if (kind == 'U') return 'T';
  return kind;
}

}  // namespace

std::string Field::text() const {
  return std::string(1, kind) + mark + padded(type, 4) + padded(flaw, 6);
}

Field Field::fromText(const std::string& c) {
  std::string t = c;
  t.resize(12, ' ');
  return Field{t[0], t[1], trimmed(t.substr(2, 4)), trimmed(t.substr(6, 6))};
}

bool isInverted(char k) {
  return k == 'O' || k == 'U' || k == kDownArrow;
}

void applyTransform(int x, Fields& f) {
  const Fields old = f;
  const auto at = [&](int i) -> const Field& { return old[static_cast<std::size_t>(i)]; };
  const auto put = [&](int i, const Field& v) { f[static_cast<std::size_t>(i)] = v; };
  switch (x) {
    case 0:
      f.fill(Field{});
      break;
    case 2:
      for (int i = 1; i <= 100; ++i) put(i, at(101 - i));
      for (int i = 101; i <= 200; ++i) put(i, at(301 - i));
      for (int i = 1; i <= 200; ++i) f[static_cast<std::size_t>(i)].kind = turned(f[i].kind, true);
      break;
    case 3:
      for (int i = 1; i <= 10; ++i) {
        put(i, at(i + 90)), put(i + 90, at(i)), put(i + 100, at(i + 190)),
            put(i + 190, at(i + 100));
      }
      break;
    case 4:
      for (int i = 1; i <= 10; ++i) {
        put(i + 10, at(i + 90)), put(i + 90, at(i + 10));
        put(i + 110, at(i + 190)), put(i + 190, at(i + 110));
      }
      break;
    case 5:
      for (int i = 1; i <= 10; ++i) put(i, at(i + 90)), put(i + 100, at(i + 190));
      for (int i = 1; i <= 90; ++i) put(i + 10, at(i)), put(i + 110, at(i + 100));
      break;
    case 6:
      for (int i = 1; i <= 10; ++i) put(i + 90, at(i)), put(i + 190, at(i + 100));
      for (int i = 1; i <= 90; ++i) put(i, at(i + 10)), put(i + 100, at(i + 110));
      break;
    case 7:
      for (int i = 21; i <= 30; ++i) put(i + 70, at(i)), put(i + 170, at(i + 100));
      for (int i = 21; i <= 90; ++i) put(i, at(i + 10)), put(i + 100, at(i + 110));
      break;
    case 8:
      for (int i = 21; i <= 30; ++i) put(i + 70, at(i + 10));
      for (int i = 31; i <= 90; ++i) put(i, at(i + 10));
      for (int i = 21; i <= 30; ++i) put(i + 170, at(i + 100));
      for (int i = 21; i <= 90; ++i) put(i + 100, at(i + 110));
      break;
    case 9:
      for (int i = 1; i <= 10; ++i) put(i + 90, at(101 - i)), put(i + 190, at(201 - i));
      break;
    case 10:
      for (int i = 91; i <= 100; ++i) {
        f[static_cast<std::size_t>(i)].kind = turned(f[i].kind, false);
        f[static_cast<std::size_t>(i + 100)].kind = turned(f[i + 100].kind, false);
      }
      break;
    default:
      break;
  }
}

std::string designation(int index, bool onePane) {
  const int n = (index - 1) % 100 + 1;
  if (onePane) return std::to_string(n);
  return std::string(1, index <= 100 ? 'A' : 'B') + std::to_string(n);
}

std::string positionRecord(const std::string& d, char change, const Field& f) {
  return padded(d, 5) + change + f.text();
}

Fields framesOf(const std::vector<std::string>& data, const std::string& block, int layout) {
  Fields f{};
  bool found = false;
  for (const auto& r : data) {
    const char c = r.empty() ? ' ' : r[0];
    if (c == 'E') {
      if (found) break;
      if (trimmed(chars(r, 2, 9)) == block) found = true;
    } else if (c == 'X') {
      applyTransform(number(r.substr(1)), f);
    } else if (c >= '1' && c <= '9') {
      const int p = number(chars(r, 1, 3));
      f[static_cast<std::size_t>(p >= 1 && p <= 200 ? p : 0)] = Field::fromText(chars(r, 7, 18));
    } else if (c == 'A' || c == 'B') {
      int p = number(chars(r, 2, 4));
      if (c == 'B' && layout != 3) p += 100;
      const int limit = c == 'A' ? 100 : 200;
      f[static_cast<std::size_t>(p >= 1 && p <= limit ? p : 0)] = Field::fromText(chars(r, 7, 18));
    } else if (c == '^') {
      break;
    }
  }
  return f;
}

void applyValueRecord(const std::string& r, Fields& f, int& infoCount, int& layout,
                      std::string& reference) {
  const char c = r.empty() ? ' ' : r[0];
  if (c == 'T') {
    infoCount = 0;
  } else if (c == 'I') {
    ++infoCount;
    if ((infoCount == 3 || infoCount == 4) && r.size() > 1 && r[1] == '?') {
      const int from = infoCount == 3 ? 1 : 101;
      for (int i = from; i < from + 100; ++i) f[static_cast<std::size_t>(i)].mark = '?';
    }
  } else if (c == 'R') {
    reference = trimmed(chars(r, 2, 9));
  } else if (c == 'F') {
    layout = r.size() > 1 && r[1] >= '1' && r[1] <= '9' ? r[1] - '0' : 1;
  } else if (c == 'X') {
    if (number(r.substr(1)) == 0) f.fill(Field{});
  } else if (c >= '1' && c <= '9') {
    const int p = number(chars(r, 1, 3));
    f[static_cast<std::size_t>(p >= 1 && p <= 100 ? p : 0)] = Field::fromText(chars(r, 7, 18));
  } else if (c == 'A' || c == 'B') {
    const int p = number(chars(r, 2, 4)) + (c == 'B' ? 100 : 0);
    const int lo = c == 'A' ? 1 : 101;
    f[static_cast<std::size_t>(p >= lo && p <= lo + 99 ? p : 0)] = Field::fromText(chars(r, 7, 18));
  }
}

Loaded ovalsOf(const std::vector<std::string>& data, const std::string& printing) {
  Loaded out;
  int info = 0;
  std::string reference;
  for (const auto& r : data) {
    if (!r.empty() && r[0] == '^') break;
    if (!r.empty() && r[0] == 'T') {
      if (out.found) break;
      if (trimmed(chars(r, 2, 9)) == printing) out.found = true;
    }
    applyValueRecord(r, out.ovals, info, out.layout, reference);
  }
  if (!reference.empty() && reference.back() == 'A') reference.pop_back();
  if (!reference.empty() && reference.back() == 'B') {
    reference.pop_back();
    out.layout = 3;
  }
  if (out.layout == 0) out.layout = 1;
  out.block = reference;
  return out;
}

}  // namespace sampledat::tc
