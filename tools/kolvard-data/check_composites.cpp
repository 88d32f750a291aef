#include <string>

#include "domain/composite_names.hpp"
#include "domain/two_colour_composites.hpp"
#include "kolvard-data/check_sections.hpp"

namespace kolvard::datatool {

void checkComposite(CheckContext& context, const CheckedSection& section) {
  const SectionClass& kind = section.kind;
  const auto bytes = context.file().sectionBytes(section.ref);
  if (bytes.empty()) {
    context.report(section.name, section.ref.start, "the composite is empty");
    return;
  }
  const bool twoColoured = kind.edition == "T" && kind.set == 'F';
  const auto nameOf = [&](int n) {
    if (twoColoured && kind.value.empty()) return frameCompositeSectionName(kind.series, n);
    if (twoColoured) return ovalCompositeSectionName(kind.value, kind.series, n);
    return compositeSectionName(kind.edition, kind.value, kind.set, kind.series, n);
  };
  const std::string which =
      kind.set == 'Q' ? std::string("the Q set") : "series " + std::to_string(kind.series);
  if (kind.composite == 1) {
    // Composite 1 counts the composites of its series; each of them must be there.
    const int count = bytes[0];
    if (count == 0) {
      context.report(section.name, section.ref.start,
                     "composite 1 gives no number of composites for " + which);
    } else if (count > kMostComposites) {
      context.report(section.name, section.ref.start,
                     "composite 1 counts " + std::to_string(count) + " composites for " + which +
                         ", more than the 48 that have codes");
    }
    for (int n = 2; n <= kMostComposites; ++n) {
      const bool there = context.has(nameOf(n));
      if (n <= count && !there) {
        context.report(section.name, section.ref.start,
                       "composite " + std::to_string(n) + " of the " + std::to_string(count) +
                           " of " + which + " has no section " + storedSectionName(nameOf(n)));
      } else if (n > count && there) {
        context.report(section.name, section.ref.start,
                       "composite " + std::to_string(n) + " lies beyond the " +
                           std::to_string(count) + " composites of " + which);
      }
    }
  } else if (!context.has(nameOf(1))) {
    context.report(section.name, section.ref.start,
                   "composite " + std::to_string(kind.composite) + " of " + which +
                       " has no composite 1 " + storedSectionName(nameOf(1)) + " to count it");
  }
  // The picture rows follow the first byte.
  checkRunLengthRows(context, section.name, section.ref.start + 1, bytes.subspan(1), kind.rows);
}

}  // namespace kolvard::datatool
