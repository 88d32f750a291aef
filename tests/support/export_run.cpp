#include "support/export_run.hpp"

#include <sstream>

#include "app/export_command.hpp"

namespace kolvard::test {

Exported exportSample(const std::vector<std::string>& args, bool progressLine) {
  std::ostringstream out, err;
  Exported r;
  r.status = runExportCommand(args, KOLVARD_SAMPLE_DATA, out, err, progressLine);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace kolvard::test
