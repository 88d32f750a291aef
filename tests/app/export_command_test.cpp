// The command-line export: value names typed without "ø", whole values, the list of files,
// and a stop at Ctrl-C.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "support/export_run.hpp"
#include "support/headless_run.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

using test::Exported;

Exported exportCommand(const std::vector<std::string>& args) {
  return test::exportSample(args);
}

std::size_t filesIn(const fs::path& dir) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(ExportCommand, ValueNamesWithoutTheSlashedO) {
  for (const char* typed : {"5ø", "5o", "5O", "5Ø"}) {
    const Exported r = exportCommand({"sheet", "V", typed, "1", "A", "--list"});
    EXPECT_EQ(r.status, 0) << typed << ": " << r.err;
    EXPECT_EQ(r.out, "#V5o1A.BMP\n") << typed;
  }
  const Exported t = exportCommand({"oval", "T", "8O", "1", "A", "--list"});
  EXPECT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out, "#T8o1A.BMP\n");

  const Exported unknown = exportCommand({"sheet", "V", "5x", "1", "A", "--list"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err,
            "kolvard export: edition V has no value 5x; its values are 1ø, 5ø, 10ø, 15ø, 20ø, "
            "24ø, 1c, 2c, 5c, 8c\n");
  EXPECT_TRUE(unknown.out.empty());
}

TEST(ExportCommand, ListsTheFilesOfAWholeValue) {
  const Exported p = exportCommand({"value", "P", "4s", "--list"});
  ASSERT_EQ(p.status, 0) << p.err;
  std::string expected;
  for (int printing = 1; printing <= 6; ++printing) {
    for (const char* pane : {"A", "B"})
      expected += "#P4s" + std::to_string(printing) + pane + ".BMP\n";
  }
  EXPECT_EQ(p.out, expected);
  EXPECT_EQ(exportCommand({"value", "P", "4s", "--list", "--pdf-only"}).out, "#P4s.PDF\n");

  // The two-coloured edition: oval, frame and combined schema of each pane, a frame setting
  // shared by several printings once; "2-3" is one printing.
  const Exported t = exportCommand({"value", "T", "4s", "--list"});
  ASSERT_EQ(t.status, 0) << t.err;
  EXPECT_EQ(t.out.substr(0, t.out.find("#T4s4A")),
            "#T4s1A.BMP\n#Set5A-1.BMP\n#Kol4s1A.BMP\n#T4s1B.BMP\n#Set5B-1.BMP\n#Kol4s1B.BMP\n"
            "#T4s2-3A.BMP\n#Kol4s2-3A.BMP\n#T4s2-3B.BMP\n#Kol4s2-3B.BMP\n");
  EXPECT_EQ(t.out.find("#Set5A-1.BMP"), t.out.rfind("#Set5A-1.BMP"));

  const Exported wrong[] = {exportCommand({"value", "P"}),
                            exportCommand({"value", "P", "4s", "x", "y"}),
                            exportCommand({"value", "P", "4s", "--colour"})};
  for (const Exported& r : wrong) EXPECT_EQ(r.status, 2) << r.out;
}

TEST(ExportCommand, AWholeValueWritesTheSamePagesAsTheSheetForm) {
  const test::ScratchDir all, one;
  const Exported r = exportCommand({"value", "P", "4s", all.path().string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(filesIn(all.path()), 12u);
  ASSERT_EQ(exportCommand({"sheet", "P", "4s", "3", "B", one.path().string()}).status, 0);
  EXPECT_EQ(test::readFile(all / "#P4s3B.BMP"), test::readFile(one / "#P4s3B.BMP"));
}

TEST(ExportCommand, AProgressLineOnATerminal) {
  const test::ScratchDir out;
  const Exported r = test::exportSample({"sheet", "P", "4s", "1", "A", out.path().string()}, true);
  ASSERT_EQ(r.status, 0) << r.err;
  // Rewritten in place while the file is made, cleared before its name.
  EXPECT_EQ(r.out, "\r[1/1] writing #P4s1A.BMP\x1b[K\r\x1b[K#P4s1A.BMP\n");
}

bool onPath(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(ExportCommand, OnePdfOfEveryPageOfTheCommand) {
  const test::ScratchDir both, alone;
  const Exported r = exportCommand({"series", "V", "1o", "1", both.path().string(), "--pdf"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "%V1oC1-1.BMP\n%V1oC1-2.BMP\n%V1oC1-3.BMP\n%V1oC1.PDF\n");
  const Exported only =
      exportCommand({"--pdf-only", "sheet", "P", "4s", "1", "A", alone.path().string()});
  ASSERT_EQ(only.status, 0) << only.err;
  EXPECT_EQ(only.out, "#P4s1A.PDF\n");
  EXPECT_EQ(filesIn(alone.path()), 1u);
  if (!onPath("qpdf")) GTEST_SKIP() << "qpdf is not installed";
  const std::string pages = "qpdf --show-npages '" + (both / "%V1oC1.PDF").string() + "' > '" +
                            (both / "n.txt").string() + "'";
  ASSERT_EQ(std::system(pages.c_str()), 0);
  EXPECT_EQ(test::readFile(both / "n.txt"), "3\n");
}

// The program carried off without its PDF module (kolvard-pdf.so): a PDF is refused at once,
// saying what is missing, and the BMP files are made as before.
TEST(ExportCommand, WithoutThePdfModuleAPdfIsRefusedAndBmpStillWorks) {
  const test::ScratchDir dir;
  dir.copySampleData();
  fs::copy_file(KOLVARD_PROGRAM, dir / "kolvard");
  fs::create_directory(dir / "files");
  const auto run = [&dir](const std::string& args) {
    const std::string command =
        "cd '" + dir.path().string() + "' && ./kolvard export " + args + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  EXPECT_EQ(run("sheet P 4s 1 A files --pdf"), 2);
  EXPECT_NE(test::readFile(dir / "err.txt").find("the PDF module is not installed"),
            std::string::npos)
      << test::readFile(dir / "err.txt");
  EXPECT_EQ(filesIn(dir / "files"), 0u);
  EXPECT_EQ(run("sheet P 4s 1 A files"), 0) << test::readFile(dir / "err.txt");
  EXPECT_EQ(filesIn(dir / "files"), 1u);
}

// A disk that fills while the PDF of a whole value is written (a file size limit): the
// command says so, and neither the PDF nor its scratch file is left.
TEST(ExportCommand, AFullDiskLeavesNoPdf) {
  const test::ScratchDir dir;
  dir.copySampleData();
  fs::create_directory(dir / "files");
  const std::string command = "cd '" + dir.path().string() + "' && (ulimit -f 2000; exec '" +
                              KOLVARD_PROGRAM +
                              "' export value P 4s files --pdf-only) >out.txt 2>err.txt";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(test::readFile(dir / "err.txt"),
            "kolvard export: cannot make #P4s.PDF: the file grows larger than the disk allows\n");
  EXPECT_EQ(filesIn(dir / "files"), 0u);
}

// Ctrl-C in the middle of a whole value: the program stops after the file it is making,
// says so, and leaves only complete files.
TEST(ExportCommand, AnInterruptStopsBetweenFiles) {
  const test::ScratchDir out;
  out.copySampleData();
  fs::create_directory(out / "files");
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(pipeEnds[1], 1);
    dup2(open((out / "err.txt").c_str(), O_WRONLY | O_CREAT, 0644), 2);
    close(pipeEnds[0]);
    if (chdir(out.path().c_str()) != 0) _exit(126);
    execl(KOLVARD_PROGRAM, KOLVARD_PROGRAM, "export", "value", "V", "5o", "files",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeEnds[1]);
  std::FILE* names = fdopen(pipeEnds[0], "r");
  char line[256];
  int printed = 0;
  // The first file is complete: now interrupt.
  if (std::fgets(line, sizeof line, names) != nullptr) ++printed;
  kill(child, SIGINT);
  while (std::fgets(line, sizeof line, names) != nullptr) ++printed;
  std::fclose(names);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 130);  // 128 + SIGINT, as the shells report Ctrl-C
  EXPECT_NE(test::readFile(out / "err.txt").find("kolvard export: interrupted after"),
            std::string::npos);
  EXPECT_GE(printed, 1);
  EXPECT_LT(printed, 122);
  EXPECT_EQ(filesIn(out / "files"), static_cast<std::size_t>(printed));  // no scratch files
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
