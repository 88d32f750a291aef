#include "support/golden.hpp"

#include <cstdlib>
#include <filesystem>

#include "ui/png_image.hpp"

namespace kolvard::test {

::testing::AssertionResult matchesGolden(const Framebuffer& image, const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path dir = KOLVARD_GOLDEN_DIR;
  const fs::path reference = dir / (name + ".png");
  const fs::path actual = dir / (name + "-ACTUAL.png");
  const char* update = std::getenv("KOLVARD_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
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

}  // namespace kolvard::test
