#include "kolvard-data/cli.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <span>
#include <string_view>

#include "app/command_line.hpp"
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

struct Command {
  const char* name;
  const char* usage;  // after "kolvard-data "
  const char* what;
};

constexpr Command kCommands[] = {
    {"pack", "pack SOURCE_DIR OUT.dat [--search DIR]...",
     "build a data file from the manifest of SOURCE_DIR"},
    {"list", "list FILE", "one line per section: NAME START END"},
    {"find", "find FILE NAME", "STATUS START END of one lookup (0 found, 90 blank, 91 not found)"},
    {"picture", "picture FILE NAME ROWS OUT.png", "a run-length picture section as a PNG"},
    {"check", "check FILE", "every problem of a data file; exit status 1 if there is any"},
};

constexpr const char* kOptionsHelp =
    "  -h, --help       show this help and end\n"
    "      --version    show the version and end\n"
    "\n";

void printHelp(std::ostream& out, const Command* only) {
  out << "Usage:";
  for (const Command& command : kCommands) {
    if (only != nullptr && only != &command) continue;
    out << (&command == &kCommands[0] || only != nullptr ? " " : "       ") << "kolvard-data "
        << command.usage << "\n";
  }
  if (only != nullptr) {
    std::string what = only->what;
    what[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(what[0])));
    out << what << ".\n\n";
  } else {
    out << "Pack, list and inspect Kolvard's reference data files.\n\n";
    for (const Command& command : kCommands) {
      out << "  " << command.name << std::string(9 - std::string_view(command.name).size(), ' ')
          << command.what << "\n";
    }
    out << "\n";
  }
  if (only != nullptr && std::string_view(only->name) == "pack") {
    out << "      --search DIR look for the sources also in DIR\n";
  }
  out << kOptionsHelp << kExitStatusHelp;
}

int usage(std::ostream& err, const std::string& why, const std::string& command = {}) {
  return wrongUse(err, "kolvard-data", why,
                  command.empty() ? "kolvard-data" : "kolvard-data " + command);
}

std::optional<DataFile> openData(const std::string& path, std::ostream& err) {
  auto file = DataFile::open(path);
  if (!file) err << "kolvard-data: " << path << ": cannot be read\n";
  return file;
}

int pack(const std::vector<std::string>& args, const std::vector<std::string>& searchDirs,
         std::ostream& out, std::ostream& err) {
  if (args.size() < 3) return usage(err, "pack needs SOURCE_DIR and OUT.dat", "pack");
  if (args.size() > 3) return usage(err, "unexpected argument '" + args[3] + "'", "pack");
  PackOptions options;
  options.sourceDir = args[1];
  for (const std::string& dir : searchDirs) options.searchDirs.emplace_back(dir);
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
  if (args.size() != 2) return usage(err, "list needs FILE", "list");
  const auto file = openData(args[1], err);
  if (!file) return 1;
  for (const auto& entry : file->listSections()) {
    out << cp865ToUtf8(entry.name) << ' ' << entry.ref.start << ' ' << entry.ref.end << '\n';
  }
  return 0;
}

int find(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3) return usage(err, "find needs FILE and NAME", "find");
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
  if (args.size() != 5) return usage(err, "picture needs FILE, NAME, ROWS and OUT.png", "picture");
  int rows = 0;
  const std::string& rowsText = args[3];
  const auto [end, ec] = std::from_chars(rowsText.data(), rowsText.data() + rowsText.size(), rows);
  if (ec != std::errc() || end != rowsText.data() + rowsText.size() || rows <= 0 || rows > 10000) {
    return usage(err, "ROWS must be a number from 1 to 10000", "picture");
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
  if (args.size() != 2) return usage(err, "check needs FILE", "check");
  const auto file = openData(args[1], err);
  if (!file) return 1;
  const DataCheckReport report = checkDataFile(*file);
  printDataCheck(report, std::filesystem::path(args[1]).filename().string(), out);
  return report.problems.empty() ? 0 : 1;
}

}  // namespace

int runDataTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  static constexpr CommandOption kTop[] = {{"help", 'h'}, {"version"}};
  const ParsedCommand top = parseCommand(args, kTop, true);
  if (!top.error.empty()) return usage(err, top.error);
  if (top.has("help") || (!top.operands.empty() && top.operands.front() == "help")) {
    printHelp(out, nullptr);
    return 0;
  }
  if (top.has("version")) {
    printVersion(out, "kolvard-data");
    return 0;
  }
  if (top.operands.empty()) return usage(err, "no command");
  const std::string& name = top.operands.front();
  const Command* command = nullptr;
  for (const Command& c : kCommands) {
    if (name == c.name) command = &c;
  }
  if (command == nullptr) return usage(err, "unknown command '" + name + "'");

  static constexpr CommandOption kPack[] = {{"help", 'h'}, {"version"}, {"search", 0, true}};
  const std::span<const CommandOption> options =
      name == "pack" ? std::span<const CommandOption>(kPack) : std::span(kPack).first(2);
  const ParsedCommand parsed =
      parseCommand(std::vector<std::string>(top.operands.begin() + 1, top.operands.end()), options);
  if (!parsed.error.empty()) return usage(err, parsed.error, name);
  if (parsed.has("help")) {
    printHelp(out, command);
    return 0;
  }
  if (parsed.has("version")) {
    printVersion(out, "kolvard-data");
    return 0;
  }
  std::vector<std::string> words{name};
  words.insert(words.end(), parsed.operands.begin(), parsed.operands.end());
  if (name == "pack") {
    std::vector<std::string> searchDirs;
    for (const ParsedCommand::Given& given : parsed.options) {
      if (given.name == "search") searchDirs.push_back(given.value);
    }
    return pack(words, searchDirs, out, err);
  }
  if (name == "list") return list(words, out, err);
  if (name == "find") return find(words, out, err);
  if (name == "picture") return picture(words, out, err);
  return check(words, out, err);
}

}  // namespace kolvard::datatool
