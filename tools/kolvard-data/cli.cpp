#include "kolvard-data/cli.hpp"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "kolvard-data/data_check.hpp"
#include "kolvard-data/pack.hpp"
#include "kolvard-data/pack_error.hpp"
#include "ui/framebuffer.hpp"
#include "ui/png_image.hpp"
#include "ui/run_length_picture.hpp"

namespace kolvard::datatool {
namespace {

constexpr const char* kUsage =
    "usage: kolvard-data pack SOURCE_DIR OUT.dat [--search DIR]...\n"
    "       kolvard-data list FILE\n"
    "       kolvard-data find FILE NAME\n"
    "       kolvard-data picture FILE NAME ROWS OUT.png\n"
    "       kolvard-data check FILE\n";

int usage(std::ostream& err, const std::string& why) {
  err << "kolvard-data: " << why << "\n" << kUsage;
  return 2;
}

std::optional<DataFile> openData(const std::string& path, std::ostream& err) {
  auto file = DataFile::open(path);
  if (!file) err << "kolvard-data: " << path << ": cannot be read\n";
  return file;
}

int pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 3) return usage(err, "pack needs SOURCE_DIR and OUT.dat");
  PackOptions options;
  options.sourceDir = args[1];
  for (std::size_t i = 3; i < args.size(); ++i) {
    if (args[i] != "--search" || i + 1 >= args.size()) {
      return usage(err, "unexpected argument \"" + args[i] + "\"");
    }
    options.searchDirs.emplace_back(args[++i]);
  }
  try {
    const auto sections = readSources(options);
    const auto bytes = buildContainer(sections);
    writeFileAtomically(args[2], bytes);
    out << args[2] << ": " << sections.size() << " sections, " << bytes.size() << " bytes\n";
    return 0;
  } catch (const PackError& e) {
    err << "kolvard-data: " << e.what() << "\n" << args[2] << " not written\n";
    return 1;
  }
}

int list(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return usage(err, "list needs FILE");
  const auto file = openData(args[1], err);
  if (!file) return 1;
  for (const auto& entry : file->listSections()) {
    out << cp865ToUtf8(entry.name) << ' ' << entry.ref.start << ' ' << entry.ref.end << '\n';
  }
  return 0;
}

int find(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return usage(err, "find needs FILE and NAME");
  const auto file = openData(args[1], err);
  if (!file) return 1;
  const SectionRef ref = file->findSection(utf8ToCp865(args[2]));
  out << ref.status << ' ' << ref.start << ' ' << ref.end << '\n';
  if (!ref.found()) {
    err << "kolvard-data: " << args[2] << ": "
        << (ref.status == kSectionBlankName ? "blank section name" : "no such section") << "\n";
    return 1;
  }
  return 0;
}

int picture(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 5) return usage(err, "picture needs FILE, NAME, ROWS and OUT.png");
  int rows = 0;
  const std::string& rowsText = args[3];
  const auto [end, ec] = std::from_chars(rowsText.data(), rowsText.data() + rowsText.size(), rows);
  if (ec != std::errc() || end != rowsText.data() + rowsText.size() || rows <= 0 || rows > 10000) {
    return usage(err, "ROWS must be a number from 1 to 10000");
  }
  const auto file = openData(args[1], err);
  if (!file) return 1;
  const SectionRef ref = file->findSection(utf8ToCp865(args[2]));
  if (!ref.found()) {
    err << "kolvard-data: " << args[2] << ": no such section\n";
    return 1;
  }
  const auto decoded = decodeRunLengthPicture(file->sectionBytes(ref), rows);
  int width = 1;
  for (const auto& row : decoded) {
    for (const auto& [first, last] : row.runs) width = std::max({width, first + 1, last + 1});
  }
  Framebuffer image(std::min(width, 20000), rows, 0xFFFFFF);
  // Zoom 4 draws one pixel per stored column and row, the first row one below the top.
  renderPicture(decoded, 4, 0, -1,
                [&](int y, int x0, int x1) { image.hline(x0, x1, y, 0x000000); });
  std::string why;
  if (!writePng(args[4], image, &why)) {
    err << "kolvard-data: " << args[4] << ": " << why << "\n";
    return 1;
  }
  out << args[4] << ": " << image.width() << " x " << image.height() << "\n";
  return 0;
}

int check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return usage(err, "check needs FILE");
  const auto file = openData(args[1], err);
  if (!file) return 1;
  const DataCheckReport report = checkDataFile(*file);
  printDataCheck(report, std::filesystem::path(args[1]).filename().string(), out);
  return report.problems.empty() ? 0 : 1;
}

}  // namespace

int runDataTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return usage(err, "no command");
  const std::string& command = args[0];
  if (command == "pack") return pack(args, out, err);
  if (command == "list") return list(args, out, err);
  if (command == "find") return find(args, out, err);
  if (command == "picture") return picture(args, out, err);
  if (command == "check") return check(args, out, err);
  if (command == "-h" || command == "--help" || command == "help") {
    out << kUsage;
    return 0;
  }
  return usage(err, "unknown command \"" + command + "\"");
}

}  // namespace kolvard::datatool
