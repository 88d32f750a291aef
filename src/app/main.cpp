// kolvard: the plating reference program. With no options it opens its window; with
// --headless it runs the same screens from a key script.
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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
    "usage: kolvard                      open the Kolvard window\n"
    "       kolvard --headless --keys SCRIPT | --keys-file FILE\n"
    "                                    run without a window, keys from a script\n"
    "       kolvard export sheet EDITION VALUE PRINTING PANE [OUTDIR]\n"
    "       kolvard export series EDITION VALUE SERIES [OUTDIR]\n"
    "       kolvard export oval|frame|both T VALUE PRINTING PANE [OUTDIR]\n"
    "       kolvard export value EDITION VALUE [OUTDIR]\n"
    "                                    write printed schemas as BMP files (into the\n"
    "                                    current directory unless OUTDIR is given);\n"
    "                                    --pdf adds one PDF of all the pages, --pdf-only\n"
    "                                    writes the PDF alone, --list only names the files\n"
    "       kolvard --version | --help\n"
    "\n"
    "Kolvard reads KOL703.dat and keeps its settings in KOL703.CFG, both in the\n"
    "current directory.\n"
    "\n"
    "Key scripts: blank-separated tokens: Enter Esc Tab Backspace Space Up Down Left\n"
    "Right Home End PgUp PgDn Ins Del F1..F12 Shift+F4 Shift+F5, a single character\n"
    "for itself, \"text\" for each character of a text, shot:FILE.png for a screenshot\n"
    "and state:FILE.json for a state dump. When the script ends the program ends as if\n"
    "its window had been closed.\n";

// Whether standard input (0) or output (1) is a terminal (a console on Windows).
bool isTerminal(int descriptor) {
#ifdef _WIN32
  return _isatty(descriptor) != 0;
#else
  return isatty(descriptor) != 0;
#endif
}

int usageError(const std::string& message) {
  std::cerr << "kolvard: " << message << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef KOLVARD_HAVE_WIN32
  kolvard::useUtf8Console(argc, argv);
#endif
  if (argc >= 2 && std::string_view(argv[1]) == "export") {
    const std::vector<std::string> args(argv + 2, argv + argc);
    return kolvard::runExportCommand(args, kolvard::ProgramPaths{}.dataFile, std::cout, std::cerr,
                                     isTerminal(1));
  }
  bool headless = false;
  std::string script;
  bool haveScript = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      std::cout << "Kolvard " << kolvard::kVersionText << '\n';
      return 0;
    }
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--headless") {
      headless = true;
    } else if ((arg == "--keys" || arg == "--keys-file") && i + 1 < argc) {
      if (haveScript) return usageError("give --keys or --keys-file once");
      haveScript = true;
      if (arg == "--keys") {
        script = argv[++i];
      } else {
        std::ifstream in(kolvard::utf8Path(argv[++i]), std::ios::binary);
        if (!in) return usageError(std::string("cannot read key file ") + argv[i]);
        std::ostringstream text;
        text << in.rdbuf();
        script = text.str();
      }
    } else {
      return usageError("unknown option " + std::string(arg));
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
    return 2;
  }
  return kolvard::runProgram(*platform, run, paths, std::cout, isTerminal(0));
#else
  std::cerr << "kolvard: built without a window backend; use --headless\n";
  return 2;
#endif
}
