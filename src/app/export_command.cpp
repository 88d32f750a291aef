#include "app/export_command.hpp"

#include <memory>

#include "app/command_line.hpp"
#include "app/data_file_check.hpp"
#include "app/export_interrupt.hpp"
#include "app/export_plan.hpp"
#include "app/export_writer.hpp"
#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/text_fields.hpp"
#include "data/utf8_path.hpp"
#include "domain/edition.hpp"
#include "domain/edition_names.hpp"
#include "print/pdf_pages.hpp"
#include "print/sheet_grid.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

int usage(std::ostream& err, const std::string& message) {
  return wrongUse(err, "kolvard export", message);
}

constexpr CommandOption kOptions[] = {{"pdf"}, {"pdf-only"}, {"list"}, {"help", 'h'}, {"version"}};

bool isEdition(const std::string& e) {
  return e.size() == 1 && kMenuEditions.find(e) != std::string_view::npos;
}

struct Opened {
  std::unique_ptr<DataFile> data;
  std::unique_ptr<Screen> screen;
};

bool openData(const std::filesystem::path& dataFile, Opened& opened, std::ostream& err) {
  auto data = DataFile::open(dataFile);
  if (!data) {
    err << "kolvard export: the data file " << dataFile.string() << " cannot be read\n";
    return false;
  }
  if (!dataFileProblems(*data).empty()) {
    err << "kolvard export: " << trimmed(kDataFileDamagedMessage) << "\n";
    return false;
  }
  opened.data = std::make_unique<DataFile>(std::move(*data));
  opened.screen = std::make_unique<Screen>(opened.data.get(), 2);
  opened.screen->setUpFonts();
  return true;
}

// One form of the command: its words (with the form itself) and, when one more word is
// given, the output directory.
struct Form {
  const char* name;
  std::size_t words;  // without the output directory
  const char* needs;
};

constexpr Form kForms[] = {
    {"sheet", 5, "sheet needs EDITION VALUE PRINTING PANE"},
    {"series", 4, "series needs EDITION VALUE SERIES"},
    {"oval", 5, "oval needs EDITION VALUE PRINTING PANE"},
    {"frame", 5, "frame needs EDITION VALUE PRINTING PANE"},
    {"both", 5, "both needs EDITION VALUE PRINTING PANE"},
    {"value", 3, "value needs EDITION VALUE"},
};

const Form* formNamed(const std::string& name) {
  for (const Form& form : kForms) {
    if (name == form.name) return &form;
  }
  return nullptr;
}

bool twoColourSchemaForm(const std::string& name) {
  return name == "oval" || name == "frame" || name == "both";
}

// The checks that need no data file: the edition, the form's own words, the value.
int checkWords(const std::vector<std::string>& words, std::string& value, std::ostream& err) {
  const std::string& form = words[0];
  const std::string& edition = words[1];
  if (!isEdition(edition)) return usage(err, "unknown edition " + edition);
  const bool twoColoured = Edition(edition).isTwoColoured();
  if (twoColourSchemaForm(form) && !twoColoured) {
    return usage(err, form + " is a schema of edition T");
  }
  if (form == "sheet" && twoColoured) {
    err << "kolvard export: the schemas of the two-coloured edition are printed with oval, "
           "frame or both\n";
    return 2;
  }
  value = exportValue(edition, words[2], err);
  if (value.empty()) return 2;
  if (form == "sheet") {
    const std::string& pane = words[4];
    if (pane.size() != 1 || pane[0] < 'A' || pane[0] > 'D') {
      return usage(err, "PANE is one of A, B, C, D");
    }
  } else if (twoColourSchemaForm(form)) {
    if (words[4] != "A" && words[4] != "B") return usage(err, "PANE is A or B");
  } else if (form == "series") {
    if (words[3].empty() || words[3].find_first_not_of("0123456789") != std::string::npos) {
      return usage(err, "SERIES is a number");
    }
  }
  return 0;
}

PlanResult plan(ExportContext& context, const std::vector<std::string>& words,
                const std::string& value, std::ostream& err) {
  const std::string& form = words[0];
  if (form == "sheet") return planSheet(context, words, value, err);
  if (form == "series") return planSeries(context, words, value, err);
  if (form == "value") return planValue(context, words[1], value, err);
  return planTwoColourSchema(context, words, value, err);
}

}  // namespace

int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFile,
                     std::ostream& out, std::ostream& err, bool progressLine) {
  const ParsedCommand command = parseCommand(args, kOptions);
  if (!command.error.empty()) return usage(err, command.error);
  if (command.has("help")) {
    out << kExportUsage << kExitStatusHelp;
    return kExitDone;
  }
  if (command.has("version")) {
    printVersion(out, "kolvard export");
    return kExitDone;
  }
  ExportOptions options;
  options.progressLine = progressLine;
  options.pdf = command.has("pdf") || command.has("pdf-only");
  options.bmp = !command.has("pdf-only");
  options.list = command.has("list");
  const std::vector<std::string>& words = command.operands;
  if (words.empty()) return usage(err, "say what to export");
  const Form* form = formNamed(words[0]);
  if (form == nullptr) return usage(err, "unknown export " + words[0]);
  if (words.size() < form->words || words.size() > form->words + 1) return usage(err, form->needs);
  if (words.size() > form->words) options.directory = utf8Path(words.back());
  if (options.pdf && !pdfAvailable()) {
    err << "kolvard export: " << pdfUnavailableReason() << "\n";
    return 2;
  }
  std::string value;
  if (const int status = checkWords(words, value, err); status != 0) return status;

  Opened opened;
  if (!openData(dataFile, opened, err)) return 1;
  ExportContext context{*opened.data, *opened.screen, todayDateText()};
  const PlanResult planned = plan(context, words, value, err);
  if (planned.status != 0) return planned.status;
  const InterruptWatch watch;
  const int status = writeExportPlan(planned.plan, options, context, out, err);
  return status == 0 && planned.plan.incomplete ? 1 : status;
}

}  // namespace kolvard
