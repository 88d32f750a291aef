// Golden references in tests/golden/<screen family>/: a framebuffer compared pixel for pixel with a
// reviewed PNG, and the bytes of a file compared by their hash (for files too large to keep, such
// as a printed page). A missing reference is written as the candidate and the check fails; a
// mismatch writes NAME-ACTUAL.png (or .fnv) beside the reference and fails. With
// KOLVARD_UPDATE_GOLDEN=1 the references are rewritten (scripts/update-golden.sh, which runs
// the test suites named *Golden); look at them before committing.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "ui/framebuffer.hpp"

namespace kolvard {
// Framebuffers print as their size in test failures, not as bytes.
inline void PrintTo(const Framebuffer& image, std::ostream* out) {
  *out << image.width() << "x" << image.height() << " image";
}
}  // namespace kolvard

namespace kolvard::test {

::testing::AssertionResult matchesGolden(const Framebuffer& image, const std::string& name);

// NAME.fnv holds the FNV-1a hash (64 bits, hexadecimal) of the bytes.
::testing::AssertionResult matchesGoldenHash(const std::vector<std::uint8_t>& bytes,
                                             const std::string& name);

}  // namespace kolvard::test
