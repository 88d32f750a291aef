// The layers of src/ hold one way: every #include "…" runs down
//   data <- domain <- ui <- print <- screens/common <- screens/<family> <- app
// no screen family includes another, and the platform backends see ui (and their own
// interface) only: not even what ui is built on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

struct Layer {
  int rank = -1;       // higher may include lower
  std::string family;  // a screen family, a backend: none sees a sibling
  bool platform = false;
};

// The layer of a path relative to src/ ("print/page_raster.hpp"); nothing for a path outside
// the known layers.
std::optional<Layer> layerOf(const std::string& path) {
  const auto in = [&path](std::string_view dir) { return path.starts_with(dir); };
  if (in("data/")) return Layer{0, "", false};
  if (in("domain/")) return Layer{1, "", false};
  if (in("ui/")) return Layer{2, "", false};
  if (in("print/")) return Layer{3, "", false};
  if (in("screens/common/")) return Layer{4, "", false};
  if (in("screens/")) {
    const auto slash = path.find('/', 8);
    if (slash == std::string::npos) return std::nullopt;
    return Layer{5, path.substr(8, slash - 8), false};
  }
  if (in("app/")) return Layer{6, "", false};
  if (path == "platform/platform.hpp") return Layer{2, "", true};
  if (in("platform/")) {
    const auto slash = path.find('/', 9);
    if (slash == std::string::npos) return std::nullopt;
    return Layer{2, path.substr(9, slash - 9), true};
  }
  return std::nullopt;
}

// Why `from` may not include `to`; empty when it may.
std::string includeFault(const std::string& from, const std::string& to) {
  const auto a = layerOf(from);
  const auto b = layerOf(to);
  if (!a || !b) return "outside the known layers";
  if (b->platform) {
    // The backends' interface: seen by the backends and the application only.
    if (a->rank == 6) return {};
    if (!a->platform) return "only the application and the backends see the platform";
    if (!b->family.empty() && a->family != b->family) return "one backend includes another";
    return {};
  }
  if (a->platform) {
    return b->rank == 2 ? std::string() : "the platform backends see ui only";
  }
  if (b->rank > a->rank) return "runs upward";
  if (a->rank == 5 && b->rank == 5 && a->family != b->family) {
    return "one screen family includes another";
  }
  return {};
}

TEST(Layering, TheRuleItself) {
  struct Case {
    const char* from;
    const char* to;
    bool allowed;
  };
  const Case cases[] = {
      {"domain/search.cpp", "data/data_file.hpp", true},
      {"data/data_file.cpp", "domain/search.hpp", false},
      {"domain/search.cpp", "ui/screen.hpp", false},
      {"ui/screen.cpp", "domain/version.hpp", true},
      {"print/raster_cliche.cpp", "screens/flaws/flaw_screen.hpp", false},
      {"print/raster_cliche.cpp", "domain/cliche_record.hpp", true},
      {"screens/common/session.hpp", "print/page_raster.hpp", true},
      {"screens/common/session.hpp", "screens/register/register_state.hpp", false},
      {"screens/flaws/flaw_screen.cpp", "screens/common/session.hpp", true},
      {"screens/flaws/flaw_screen.cpp", "screens/flaws/flaws_state.hpp", true},
      {"screens/flaws/flaw_screen.cpp", "screens/register/register_state.hpp", false},
      {"screens/register/register_screen.cpp", "app/program_state.hpp", false},
      {"screens/common/session.hpp", "platform/platform.hpp", false},
      {"app/main_cycle.cpp", "screens/sheets/sheet_screen.hpp", true},
      {"app/main.cpp", "platform/sdl/sdl_platform.hpp", true},
      {"platform/sdl/sdl_platform.cpp", "platform/platform.hpp", true},
      {"platform/sdl/sdl_platform.cpp", "ui/framebuffer.hpp", true},
      {"platform/sdl/sdl_platform.cpp", "print/page_raster.hpp", false},
      {"platform/sdl/sdl_keys.cpp", "data/cp865.hpp", false},
      {"platform/headless/key_script.cpp", "domain/version.hpp", false},
      {"screens/types/type_screen.cpp", "screens/twocolour/tc_type_screen.hpp", false},
      {"platform/sdl/sdl_platform.cpp", "platform/headless/key_script.hpp", false},
      {"ui/screen.cpp", "platform/platform.hpp", false},
      {"domain/search.cpp", "kolvard-data/pack.hpp", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(includeFault(c.from, c.to).empty(), c.allowed) << c.from << " -> " << c.to;
  }
}

TEST(Layering, EveryIncludeUnderSrcRunsDownward) {
  const fs::path src = KOLVARD_SOURCE_DIR;
  const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<std::string> faults;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".hpp")) continue;
    ++files;
    const std::string from = fs::relative(entry.path(), src).generic_string();
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch match;
      if (!std::regex_search(line, match, include)) continue;
      const std::string fault = includeFault(from, match[1]);
      if (!fault.empty()) {
        faults.push_back("src/" + from + ":" + std::to_string(number) + ": includes " +
                         match[1].str() + ": " + fault);
      }
    }
  }
  EXPECT_GT(files, 50);
  std::ostringstream report;
  for (const std::string& fault : faults) report << "\n  " << fault;
  EXPECT_TRUE(faults.empty()) << faults.size() << " includes against the layers:" << report.str();
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
