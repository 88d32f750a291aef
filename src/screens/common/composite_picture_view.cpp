#include "screens/common/composite_picture_view.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "domain/composite_picture.hpp"
#include "screens/common/session.hpp"
#include "ui/run_length_picture.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

constexpr double kPictureRight = 419;  // the picture is cleared and drawn up to here

}  // namespace

bool drawCompositePicture(Session& session, std::string_view name, std::string_view edition,
                          int colour) {
  Screen& screen = session.screen();
  const SectionRef ref = name.empty() ? SectionRef{} : session.data.findSection(std::string(name));
  const bool found = ref.found();
  const int zoom = screen.zoom();
  const CompositePictureLayout layout = compositePictureLayout(edition, zoom);
  static const std::vector<PictureRow> kNoRows;
  const std::vector<PictureRow>& rows =
      found ? screen.pictures().get(session.data.sectionBytes(ref), ref.start, layout.rows)
            : kNoRows;
  const int right = static_cast<int>(kPictureRight * zoom / 2) + 1;  // exclusive
  const int height = screen.framebuffer().height();
  int y = layout.top;
  for (int r = 0; r < layout.rows; ++r) {
    if (!pictureRowDrawn(r, zoom)) continue;
    ++y;
    if (y < 0) continue;
    if (y >= height) break;
    screen.hspan(y, 0, right, colour::kWhite);
    if (static_cast<std::size_t>(r) >= rows.size()) continue;
    for (const auto& [a, b] : rows[static_cast<std::size_t>(r)].runs) {
      const long long la = a, lb = b;
      const long long x1 = zoom * la / 4 - layout.shift;
      const long long x2 =
          lb - la < 3 ? x1 + zoom * (lb - la) / 3 + 1 : zoom * lb / 4 - layout.shift + 1;
      const long long from = std::max<long long>(x1, 0), to = std::min<long long>(x2, right);
      if (to > from) screen.hspan(y, static_cast<int>(from), static_cast<int>(to), colour);
    }
  }
  return found;
}

}  // namespace kolvard
