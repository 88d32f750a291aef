#include "domain/version.hpp"

namespace kolvard {

std::string versionBanner() {
  return std::string("KOLVARD Version ") + kVersionText;
}

}  // namespace kolvard
