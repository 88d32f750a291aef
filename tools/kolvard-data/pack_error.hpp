// The one failure of the data toolkit: a source that cannot be encoded. The message says
// where (manifest line, section, source line) and what.
#pragma once

#include <stdexcept>
#include <string>

namespace kolvard::datatool {

class PackError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kolvard::datatool
