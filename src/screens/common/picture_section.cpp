#include "screens/common/picture_section.hpp"

#include "screens/common/session.hpp"
#include "ui/run_length_picture.hpp"
#include "ui/screen.hpp"

namespace kolvard {

int drawPictureSection(Session& session, std::string_view name, std::string_view edition, int left,
                       int top, int colour) {
  const SectionRef ref = session.data.findSection(name);
  if (!ref.found() || ref.start == 0) return ref.status;
  Screen& screen = session.screen();
  const PictureRowsRule rule = pictureRowsFor(edition);
  const auto& rows = screen.pictures().get(session.data.sectionBytes(ref), ref.start, rule.rows);
  renderPicture(rows, screen.zoom(), left, top,
                [&screen, colour](int y, int x0, int x1) { screen.hspan(y, x0, x1, colour); });
  return ref.status;
}

}  // namespace kolvard
