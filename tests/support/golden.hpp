// Golden images: a framebuffer compared pixel for pixel with a reviewed PNG in tests/golden.
// A missing reference is written as the candidate and the check fails; a mismatch writes
// NAME-ACTUAL.png beside the reference and fails. With KOLVARD_UPDATE_GOLDEN=1 the references
// are rewritten (scripts/update-golden.sh); look at them before committing.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ui/framebuffer.hpp"

namespace kolvard {
// Framebuffers print as their size in test failures, not as bytes.
inline void PrintTo(const Framebuffer& image, std::ostream* out) {
  *out << image.width() << "x" << image.height() << " image";
}
}  // namespace kolvard

namespace kolvard::test {

::testing::AssertionResult matchesGolden(const Framebuffer& image, const std::string& name);

}  // namespace kolvard::test
