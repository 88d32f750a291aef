#include "support/golden.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>

#include "ui/png_image.hpp"

namespace kolvard::test {
namespace {

bool updating() {
  const char* update = std::getenv("KOLVARD_UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

std::string fnvHash(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t h = 1469598103934665603ULL;
  for (const std::uint8_t b : bytes) h = (h ^ b) * 1099511628211ULL;
  char text[32];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

// The references are kept by screen family, tests/golden/<family>/NAME.png; the family is
// told by the name's beginning. The longest beginning that fits wins.
constexpr std::pair<const char*, const char*> kFamilies[] = {
    {"front-page-", "front"},
    {"viewer-", "front"},
    {"register-", "register"},
    {"tc-register-", "register"},
    {"sheets-", "sheets"},
    {"sheet-schema-", "sheets"},
    {"flaws-", "flaws"},
    {"composites-", "composites"},
    {"types-", "types"},
    {"tc-types-", "types"},
    {"watermarks", "types"},
    {"tc-flaws-", "twocolour"},
    {"tc-composites-", "twocolour"},
    {"tc-schema", "twocolour"},
    {"twocolour-", "twocolour"},
};

std::filesystem::path familyDir(const std::string& name) {
  std::string_view best;
  const char* family = nullptr;
  for (const auto& [start, folder] : kFamilies) {
    const std::string_view prefix(start);
    if (name.rfind(prefix, 0) == 0 && prefix.size() > best.size()) {
      best = prefix;
      family = folder;
    }
  }
  if (family == nullptr) return {};
  return std::filesystem::path(KOLVARD_GOLDEN_DIR) / family;
}

::testing::AssertionResult noFamily(const std::string& name) {
  return ::testing::AssertionFailure()
         << "golden " << name << " belongs to no screen family: add its beginning to kFamilies";
}

}  // namespace

::testing::AssertionResult matchesGolden(const Framebuffer& image, const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path dir = familyDir(name);
  if (dir.empty()) return noFamily(name);
  const fs::path reference = dir / (name + ".png");
  const fs::path actual = dir / (name + "-ACTUAL.png");
  if (updating()) {
    fs::create_directories(dir);
    if (!writePng(reference, image))
      return ::testing::AssertionFailure() << "cannot write " << reference;
    return ::testing::AssertionSuccess();
  }
  const auto expected = readPng(reference);
  if (!expected) {
    fs::create_directories(dir);
    writePng(reference, image);
    return ::testing::AssertionFailure()
           << "no golden image " << reference << ": wrote the candidate; review it and commit";
  }
  if (expected->width() != image.width() || expected->height() != image.height()) {
    writePng(actual, image);
    return ::testing::AssertionFailure()
           << name << ": size " << image.width() << "x" << image.height() << ", golden "
           << expected->width() << "x" << expected->height() << "; wrote " << actual;
  }
  long differing = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.at(x, y) != expected->at(x, y)) {
        if (differing++ == 0) {
          firstX = x;
          firstY = y;
        }
      }
    }
  }
  if (differing == 0) {
    fs::remove(actual);
    return ::testing::AssertionSuccess();
  }
  writePng(actual, image);
  return ::testing::AssertionFailure()
         << name << ": " << differing << " pixels differ from the golden image, first at ("
         << firstX << ", " << firstY << "); wrote " << actual;
}

::testing::AssertionResult matchesGoldenHash(const std::vector<std::uint8_t>& bytes,
                                             const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path dir = familyDir(name);
  if (dir.empty()) return noFamily(name);
  const fs::path reference = dir / (name + ".fnv");
  const fs::path actual = dir / (name + "-ACTUAL.fnv");
  const std::string hash = fnvHash(bytes);
  if (updating() || !fs::exists(reference)) {
    fs::create_directories(dir);
    std::ofstream(reference) << hash << "\n";
    if (updating()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "no reference hash " << reference << ": wrote the candidate; review it and commit";
  }
  std::string expected;
  std::ifstream(reference) >> expected;
  if (hash == expected) {
    fs::remove(actual);
    return ::testing::AssertionSuccess();
  }
  std::ofstream(actual) << hash << "\n";
  return ::testing::AssertionFailure() << name << ": the hash of the bytes is " << hash
                                       << ", the reference " << expected << "; wrote " << actual;
}

}  // namespace kolvard::test
