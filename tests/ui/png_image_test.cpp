// Screenshots come back from their PNG files as they were drawn, whether they are written
// with a palette (the screen's few colours) or in true colour (more than 256).

#include "ui/png_image.hpp"

#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

TEST(PngImage, PicturesComeBackPixelForPixel) {
  struct Case {
    const char* name;
    int colours;
  };
  const test::ScratchDir dir;
  for (const Case c : {Case{"one", 1}, Case{"sixteen", 16}, Case{"256", 256}, Case{"257", 257},
                       Case{"many", 5000}}) {
    Framebuffer image(97, 61);
    for (int i = 0; i < 97 * 61; ++i) {
      image.pixels()[static_cast<std::size_t>(i)] =
          static_cast<Rgb>((i % c.colours) * 0x010305 % 0x1000000);
    }
    const auto path = dir / (std::string(c.name) + ".png");
    std::string error;
    ASSERT_TRUE(writePng(path, image, &error)) << c.name << ": " << error;
    const auto back = readPng(path);
    ASSERT_TRUE(back.has_value()) << c.name;
    EXPECT_TRUE(*back == image) << c.name;
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
