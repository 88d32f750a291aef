// The settings file: any bytes as KOL703.CFG load into a usable state (a zoom the program
// knows, a known edition, a view mode 1..3), and what is then saved loads again as the same
// record and saves again as the same file.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/edition_settings.hpp"
#include "app/program_state.hpp"
#include "app/settings_file.hpp"
#include "domain/value_tables.hpp"
#include "fuzz_support.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

// A directory of this process's own, removed at exit; in memory where the machine has
// /dev/shm, since every save flushes the file to its disk.
const fs::path& workDirectory() {
  static const fs::path dir = [] {
    std::error_code ec;
    const fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path d = base / ("kolvard-settings-fuzz-" + std::to_string(getpid()));
    fs::create_directories(d);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(workDirectory(), ignored);
    });
    return d;
  }();
  return dir;
}

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void freshSettings(ProgramState& state) {
  static const ProgramState* const fresh = new ProgramState();
  state.settings = fresh->settings;
  state.zoom = fresh->zoom;
  state.selection = fresh->selection;
  static_cast<SearchCriteria&>(state.reg) = static_cast<const SearchCriteria&>(fresh->reg);
}

// The record as the file keeps it: strings are written up to 255 characters.
EditionSettings asWritten(EditionSettings record) {
  for (std::string* s : {&record.value, &record.fromPrinting, &record.toPrinting, &record.position,
                         &record.spareSelector, &record.spareText1, &record.spareText2}) {
    if (s->size() > 255) s->resize(255);
  }
  for (auto& c : record.criteria) {
    if (c.size() > 255) c.resize(255);
  }
  return record;
}

}  // namespace
}  // namespace kolvard

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kolvard;
  fuzz::InputReader input(data, size);
  const char* const editions[] = {"", "T", "P", "I", "R", "K", "Q"};
  const std::string edition = editions[input.choice(std::size(editions))];
  const std::string content = input.text(size);

  const SettingsPaths paths{workDirectory() / "KOL703.CFG", workDirectory() / "KOL703.XXX"};
  {
    std::ofstream out(paths.file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
  }

  // Two states made once: a new one each run would spend most of the run on the register's
  // result list. What a load reads and a save writes is set back to a new state's.
  static ProgramState* const states = new ProgramState[2];
  for (int i = 0; i < 2; ++i) freshSettings(states[i]);
  ProgramState& first = states[0];
  loadSettings(first, edition, paths);
  FUZZ_CHECK(first.zoom == 2 || first.zoom == 3 || first.zoom == 4 || first.zoom == 6 ||
             first.zoom == 8);
  FUZZ_CHECK(isKnownEdition(first.settings.edition));
  FUZZ_CHECK(first.settings.viewMode >= 1 && first.settings.viewMode <= 3);
  FUZZ_CHECK(first.settings.setOnLoad[0] == 1 && first.settings.setOnLoad[1] == 1);
  EditionSettings record = asWritten(recordOfSelection(first));
  // A "T" record with an Iceland oval value is saved under "I", and an "I" record with an oval
  // value loads as "T" with fresh criteria.
  const bool savedUnderI = record.edition == "T" && isIcelandOvalValue(record.value);
  if (savedUnderI) resetCriteria(record);
  const int zoom = first.zoom;  // saved as it is (6 and 8 too), then limited in the state

  FUZZ_CHECK(saveSettings(first, paths));
  FUZZ_CHECK(first.zoom >= 2 && first.zoom <= 4);
  const std::string saved = readAll(paths.file);
  FUZZ_CHECK(!fs::exists(paths.scratch));

  // Loading what was saved gives the same record back, and saving it the same file.
  ProgramState& second = states[1];
  loadSettings(second, "", paths);
  FUZZ_CHECK(second.zoom == zoom);
  FUZZ_CHECK(recordOfSelection(second) == record);
  FUZZ_CHECK(saveSettings(second, paths));
  if (!savedUnderI) FUZZ_CHECK(readAll(paths.file) == saved);
  return 0;
}
