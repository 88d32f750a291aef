#include "screens/common/picture_section.hpp"

#include <algorithm>

#include "screens/common/session.hpp"
#include "ui/run_length_picture.hpp"
#include "ui/screen.hpp"

namespace kolvard {

PixelBox windowPixels(const Screen& screen) {
  const Framebuffer& frame = screen.framebuffer();
  return {0, 0, frame.width(), frame.height()};
}

int drawPictureSection(Session& session, std::string_view name, std::string_view edition, int left,
                       int top, int colour, const PixelBox& clip) {
  const SectionRef ref = session.data.findSection(name);
  if (!ref.found() || ref.start == 0) return ref.status;
  Screen& screen = session.screen();
  const PictureRowsRule rule = pictureRowsFor(edition);
  const auto& rows = screen.pictures().get(session.data.sectionBytes(ref), ref.start, rule.rows);
  renderPicture(rows, screen.zoom(), left, top, [&screen, colour, clip](int y, int x0, int x1) {
    if (y < clip.top || y >= clip.bottom) return;
    screen.hspan(y, std::max(x0, clip.left), std::min(x1, clip.right), colour);
  });
  return ref.status;
}

}  // namespace kolvard
