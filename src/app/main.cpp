// kolvard: the plating reference program. With no options it opens its window; with
// --headless it runs the same screens from a key script.
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.hpp"
#include "app/data_file_location.hpp"
#include "app/export_command.hpp"
#include "app/main_cycle.hpp"
#include "app/state_dump.hpp"
#include "data/utf8_path.hpp"
#include "domain/version.hpp"
#include "platform/headless/headless_platform.hpp"
#ifdef KOLVARD_HAVE_SDL
#include "platform/sdl/sdl_platform.hpp"
#endif
#ifdef KOLVARD_HAVE_WIN32
#include "platform/win32/win32_platform.hpp"
#endif

namespace {

constexpr const char* kUsage =
    "Usage: kolvard [--headless (--keys SCRIPT | --keys-file FILE)]\n"
    "       kolvard export FORM ... [OUTDIR] [--pdf | --pdf-only] [--list]\n"
    "Open the Kolvard window, run its screens without a window from a key script, or write\n"
    "printed schemas as BMP and PDF files ('kolvard export --help').\n"
    "\n"
    "      --headless         run without a window, the keys from a script\n"
    "      --keys SCRIPT      the key script itself\n"
    "      --keys-file FILE   the key script read from FILE\n"
    "  -h, --help             show this help and end\n"
    "      --version          show the version and end\n"
    "\n"
    "Kolvard reads KOL703.dat and keeps its settings in KOL703.CFG, both in the\n"
    "current directory.\n"
    "\n"
    "Key scripts: blank-separated tokens: Enter Esc Tab Backspace Space Up Down Left\n"
    "Right Home End PgUp PgDn Ins Del F1..F12 Shift+F4 Shift+F5, a single character\n"
    "for itself, \"text\" for each character of a text, shot:FILE.png for a screenshot\n"
    "and state:FILE.json for a state dump. When the script ends the program ends as if\n"
    "its window had been closed.\n"
    "\n";

constexpr const char* kOwnStatus =
    "  3    a --headless run could not write a shot: or state: file\n"
    "A window that cannot be opened (no display) ends with status 1.\n";

constexpr kolvard::CommandOption kOptions[] = {
    {"headless"}, {"keys", 0, true}, {"keys-file", 0, true}, {"help", 'h'}, {"version"}};

// Whether standard input (0) or output (1) is a terminal (a console on Windows).
bool isTerminal(int descriptor) {
#ifdef _WIN32
  return _isatty(descriptor) != 0;
#else
  return isatty(descriptor) != 0;
#endif
}

int usageError(const std::string& message) {
  return kolvard::wrongUse(std::cerr, "kolvard", message);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef KOLVARD_HAVE_WIN32
  kolvard::useUtf8Console(argc, argv);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args.front() == "export") {
    return kolvard::runExportCommand({args.begin() + 1, args.end()},
                                     kolvard::exportDataFile(std::filesystem::current_path()),
                                     std::cout, std::cerr, isTerminal(1));
  }
  const kolvard::ParsedCommand command = kolvard::parseCommand(args, kOptions);
  if (!command.error.empty()) return usageError(command.error);
  if (command.has("help")) {
    std::cout << kUsage << kolvard::kExitStatusHelp << kOwnStatus;
    return 0;
  }
  if (command.has("version")) {
    kolvard::printVersion(std::cout, "kolvard");
    return 0;
  }
  if (!command.operands.empty()) {
    return usageError("unexpected argument '" + command.operands.front() + "'");
  }
  const bool headless = command.has("headless");
  std::string script;
  bool haveScript = false;
  for (const kolvard::ParsedCommand::Given& given : command.options) {
    if (given.name != "keys" && given.name != "keys-file") continue;
    if (haveScript) return usageError("give --keys or --keys-file once");
    haveScript = true;
    if (given.name == "keys") {
      script = given.value;
    } else {
      std::ifstream in(kolvard::utf8Path(given.value), std::ios::binary);
      if (!in) return usageError("cannot read key file " + given.value);
      std::ostringstream text;
      text << in.rdbuf();
      script = text.str();
    }
  }
  if (haveScript && !headless) return usageError("--keys needs --headless");

  kolvard::ProgramRun run;
  const kolvard::ProgramPaths paths;
  if (headless) {
    std::string error;
    auto steps = kolvard::parseKeyScript(script, &error);
    if (!steps) return usageError(error);
    kolvard::HeadlessPlatform platform(std::move(*steps), &std::cerr);
    platform.setStateProvider([&run] { return kolvard::stateDumpJson(run.state); });
    const int status = kolvard::runProgram(platform, run, paths, std::cout, false);
    return status != 0 ? status : (platform.allWritten() ? 0 : 3);
  }
#if defined(KOLVARD_HAVE_SDL) || defined(KOLVARD_HAVE_WIN32)
#ifdef KOLVARD_HAVE_WIN32
  std::unique_ptr<kolvard::Platform> platform = kolvard::makeWin32Platform();
#else
  std::unique_ptr<kolvard::Platform> platform = kolvard::makeSdlPlatform();
#endif
  if (!platform) {
    std::cerr << "kolvard: no window can be opened here; use --headless to run without one\n";
    return kolvard::kExitFailure;
  }
  return kolvard::runProgram(*platform, run, paths, std::cout, isTerminal(0));
#else
  std::cerr << "kolvard: built without a window backend; use --headless\n";
  return kolvard::kExitFailure;
#endif
}
