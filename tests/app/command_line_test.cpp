// The command lines of kolvard, kolvard export and kolvard-data: each argument form with its
// exit status and the first line it prints (on standard output, or on standard error when
// that is the one written).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "print/replacing_file.hpp"
#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

struct CommandRun {
  int status = -1;
  std::string out, err;
};

CommandRun runIn(const test::ScratchDir& dir, const std::string& commandLine) {
  const std::string command =
      "cd '" + dir.path().string() + "' && " + commandLine + " >out.txt 2>err.txt </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::readFile(dir / "out.txt"),
          test::readFile(dir / "err.txt")};
}

std::string firstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

TEST(CommandLine, ArgumentFormsTheirStatusAndFirstLine) {
  const test::ScratchDir dir;
  dir.copySampleData();
  const std::string kolvard = std::string("'") + KOLVARD_PROGRAM + "'";
  const std::string data = std::string("'") + KOLVARD_DATA_TOOL + "'";
  const struct {
    std::string args;
    int status;
    std::string first;  // of standard output, else of standard error
    bool tryHelp;       // the second line of standard error points to --help
  } cases[] = {
      {kolvard + " --version", 0, "kolvard (Kolvard) 7.03", false},
      {kolvard + " --help", 0, "Usage: kolvard [--headless (--keys SCRIPT | --keys-file FILE)]",
       false},
      {kolvard + " -h", 0, "Usage: kolvard [--headless (--keys SCRIPT | --keys-file FILE)]", false},
      {kolvard + " --frob", 2, "kolvard: unrecognized option '--frob'", true},
      {kolvard + " -x", 2, "kolvard: invalid option -- 'x'", true},
      {kolvard + " --headless --keys", 2, "kolvard: option '--keys' requires an argument", true},
      {kolvard + " --keys Esc", 2, "kolvard: --keys needs --headless", true},
      {kolvard + " stray", 2, "kolvard: unexpected argument 'stray'", true},
      {kolvard + " --headless --keys=Esc", 0,
       "----------------------------------------------------", false},
      {kolvard + " export --help", 0,
       "Usage: kolvard export sheet EDITION VALUE PRINTING PANE [OUTDIR] [OPTION]...", false},
      {kolvard + " export --version", 0, "kolvard export (Kolvard) 7.03", false},
      {kolvard + " export", 2, "kolvard export: say what to export", true},
      {kolvard + " export sheet P 4s 1 A --colour", 2,
       "kolvard export: unrecognized option '--colour'", true},
      {kolvard + " export --p sheet P 4s 1 A", 2, "kolvard export: option '--p' is ambiguous",
       true},
      {kolvard + " export --list=1 sheet P 4s 1 A", 2,
       "kolvard export: option '--list' doesn't allow an argument", true},
      {kolvard + " export sheet P 4s 1", 2,
       "kolvard export: sheet needs EDITION VALUE PRINTING PANE", true},
      {kolvard + " export --list sheet P 4s 1 A -- -x", 0, "#P4s1A.BMP", false},
      {kolvard + " export sheet P 4s 1 A missing", 1,
       "kolvard export: cannot make #P4s1A.BMP: the folder does not exist", false},
      {data + " --version", 0, "kolvard-data (Kolvard) 7.03", false},
      {data + " check --help", 0, "Usage: kolvard-data check FILE", false},
      {data + " --help", 0, "Usage: kolvard-data pack SOURCE_DIR OUT.dat [--search DIR]...", false},
      {data + " list --frob KOL703.dat", 2, "kolvard-data: unrecognized option '--frob'", true},
      {data + " pack a b --search", 2, "kolvard-data: option '--search' requires an argument",
       true},
      {data + " find -- KOL703.dat AINFOF1", 0, "0 ", false},
  };
  for (const auto& c : cases) {
    const CommandRun run = runIn(dir, c.args);
    EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
    const std::string shown = run.out.empty() ? run.err : run.out;
    EXPECT_TRUE(firstLine(shown).starts_with(c.first)) << c.args << "\n" << shown;
    if (c.tryHelp) {
      const std::string second = run.err.substr(run.err.find('\n') + 1);
      EXPECT_TRUE(second.starts_with("Try '") &&
                  second.find(" --help' for more information.\n") != std::string::npos)
          << c.args << "\n"
          << run.err;
    }
  }
  // "--" ends the options: a folder named -x is a folder.
  fs::create_directory(dir / "-x");
  EXPECT_EQ(runIn(dir, kolvard + " export sheet P 4s 1 A -- -x").status, 0);
  EXPECT_TRUE(fs::exists(dir / "-x" / "#P4s1A.BMP"));
}

TEST(CommandLine, FileErrorsOfTheCommandLineAreInEnglish) {
  const std::set<std::string> danish = {"ugyldigt filnavn", "mappens navn bruges af en fil",
                                        "filen er skrivebeskyttet", "siden kunne ikke tegnes"};
  for (const int error : {EACCES, EROFS, ENOSPC, EDQUOT, EFBIG, ENOENT, EISDIR, EEXIST}) {
    const std::string why = fileErrorReason(error);
    EXPECT_NE(englishFileReason(why), why) << why;
  }
  for (const std::string& why : danish) EXPECT_NE(englishFileReason(why), why) << why;
  EXPECT_EQ(englishFileReason("PDF-modulet mangler: /x/kolvard-pdf.so cannot be loaded"),
            "the PDF module is missing: /x/kolvard-pdf.so cannot be loaded");
  EXPECT_EQ(englishFileReason("Input/output error"), "Input/output error");
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
