#include "app/export_command.hpp"

#include <memory>

#include "app/data_file_check.hpp"
#include "data/cp865.hpp"
#include "data/data_file.hpp"
#include "data/text_fields.hpp"
#include "domain/cliche_numbers.hpp"
#include "domain/edition_names.hpp"
#include "domain/sheet_knowledge.hpp"
#include "domain/sheet_schema.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_schema.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "print/export_session.hpp"
#include "print/series_print.hpp"
#include "print/sheet_grid.hpp"
#include "print/sheet_schema_print.hpp"
#include "print/two_colour_schema_print.hpp"
#include "ui/screen.hpp"

namespace kolvard {
namespace {

int usage(std::ostream& err, const std::string& message) {
  err << "kolvard export: " << message << "\nusage:\n" << kExportUsage;
  return 2;
}

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
  opened.screen = std::make_unique<Screen>(opened.data.get());
  opened.screen->openWindow(2);
  opened.screen->setUpFonts();
  return true;
}

// The value as the program holds it (cp865, lower case), or empty with a message.
std::string checkedValue(const std::string& edition, const std::string& utf8Value,
                         std::ostream& err) {
  const std::string value = asciiLower(utf8ToCp865(utf8Value));
  // The cliché value check knows no two-coloured values: those are the ones the value table
  // gives printings, the Iceland oval values among them.
  if (edition == "T") {
    const std::string key = normaliseValueKey(value);
    if (highestPrintingOf(edition, key) != "0") return key;
  } else if (const ValueCheckResult check = checkValue(edition, value); check.accepted) {
    return check.value;
  }
  err << "kolvard export: edition " << edition << " has no value " << utf8Value << "\n";
  return {};
}

int exportSheet(const std::vector<std::string>& args, const std::filesystem::path& dataFile,
                std::ostream& out, std::ostream& err) {
  if (args.size() < 5 || args.size() > 6)
    return usage(err, "sheet needs EDITION VALUE PRINTING PANE");
  const std::string edition = args[1];
  if (!isEdition(edition)) return usage(err, "unknown edition " + edition);
  if (edition == "T") {
    err << "kolvard export: the schemas of the two-coloured edition cannot be printed yet\n";
    return 2;
  }
  const std::string value = checkedValue(edition, args[2], err);
  if (value.empty()) return 2;
  const int highest = leadingNumber(highestPrintingOf(edition, value));
  const int number = leadingNumber(args[3]);
  if (number < 1 || number > highest) {
    err << "kolvard export: " << args[2] << " of edition " << edition << " has printings 1 to "
        << highest << "\n";
    return 2;
  }
  const std::string& paneArg = args[4];
  if (paneArg.size() != 1 || paneArg[0] < 'A' || paneArg[0] > 'D') {
    return usage(err, "PANE is one of A, B, C, D");
  }
  Opened opened;
  if (!openData(dataFile, opened, err)) return 1;
  const DataFile& data = *opened.data;

  const std::string printing = normalisePrintingName(edition, value, asciiLower(args[3]));
  const SheetOfPrinting sheet = readSheetOfPrinting(data, edition, value, printing);
  const int panes = std::max(1, sheet.format.panes);
  const int pane = paneArg[0] - 'A';
  if (pane >= panes) {
    err << "kolvard export: the sheet of " << args[2] << " printing " << printing << " has "
        << (panes == 1 ? std::string("one pane (A)") : std::to_string(panes) + " panes") << "\n";
    return 2;
  }
  const SheetKnowledge knowledge = readSheetKnowledge(data, edition, value, printing);
  SheetSchemaPage page;
  page.edition = edition;
  page.value = value;
  page.printing = printing;
  page.caption = editionTitle(edition, edition == "I" ? 1 : 0, "");
  page.panes = panes;
  page.pane = pane;
  page.paneCaption = knowledge.captions[static_cast<std::size_t>(pane)];
  page.table = &sheet.table;
  page.group = sheet.format.group;
  const std::filesystem::path directory = args.size() == 6 ? args[5] : ".";
  ExportProgress progress(nullptr);
  PagePrintBuffers buffers;
  const SchemaExportResult result =
      exportSheetSchema(*opened.screen, data, page, directory, progress, todayDateText(), buffers);
  if (!result.ok) {
    err << "kolvard export: " << cp865ToUtf8(exportFailureText(result.fileName, result.error))
        << "\n";
    return 1;
  }
  out << cp865ToUtf8(result.fileName) << "\n";
  return 0;
}

int exportSeries(const std::vector<std::string>& args, const std::filesystem::path& dataFile,
                 std::ostream& out, std::ostream& err) {
  if (args.size() < 4 || args.size() > 5) return usage(err, "series needs EDITION VALUE SERIES");
  const std::string edition = args[1];
  if (!isEdition(edition)) return usage(err, "unknown edition " + edition);
  const std::string value = checkedValue(edition, args[2], err);
  if (value.empty()) return 2;
  if (seriesPrintingUnavailable(edition, value)) {
    err << "kolvard export: " << args[2] << " of edition " << edition << " has no series print\n";
    return 2;
  }
  const std::string& seriesArg = args[3];
  if (seriesArg.empty() || seriesArg.find_first_not_of("0123456789") != std::string::npos) {
    return usage(err, "SERIES is a number");
  }
  Opened opened;
  if (!openData(dataFile, opened, err)) return 1;
  const DataFile& data = *opened.data;

  SeriesPrintRequest request;
  request.edition = edition;
  request.value = value;
  const bool iceland = edition == "I" || (edition == "T" && isIcelandOvalValue(value));
  request.caption = editionTitle(edition, iceland ? 1 : 0, "");
  request.series = leadingNumber(seriesArg);
  request.limits = readSeriesLimits(data, edition, value);
  request.currentValuePrinting = value + "1";
  if (request.limits.highestOf(request.series) < 1) {
    err << "kolvard export: " << args[2] << " of edition " << edition << " has no series "
        << request.series << "\n";
    return 2;
  }
  const std::filesystem::path directory = args.size() == 5 ? args[4] : ".";
  ExportProgress progress(nullptr);
  const SeriesPrintResult result =
      printSeries(*opened.screen, nullptr, data, request, directory, progress, todayDateText());
  for (const std::string& file : result.files) out << cp865ToUtf8(file) << "\n";
  if (!result.ok) {
    err << "kolvard export: " << cp865ToUtf8(exportFailureText(result.failedFile, result.error))
        << "\n";
    return 1;
  }
  return 0;
}

// The two-coloured schemas: "oval", "frame" or "both" of edition "T".
int exportTwoColourSchema(const std::vector<std::string>& args,
                          const std::filesystem::path& dataFile, std::ostream& out,
                          std::ostream& err) {
  if (args.size() < 5 || args.size() > 6) {
    return usage(err, args[0] + " needs EDITION VALUE PRINTING PANE");
  }
  const SchemaPrintKind kind = args[0] == "oval"    ? SchemaPrintKind::Oval
                               : args[0] == "frame" ? SchemaPrintKind::Frame
                                                    : SchemaPrintKind::Both;
  const std::string& edition = args[1];
  if (edition != "T") return usage(err, args[0] + " is a schema of edition T");
  const std::string value = checkedValue(edition, args[2], err);
  if (value.empty()) return 2;
  const std::string& paneArg = args[4];
  if (paneArg != "A" && paneArg != "B") return usage(err, "PANE is A or B");
  Opened opened;
  if (!openData(dataFile, opened, err)) return 1;
  const DataFile& data = *opened.data;

  const std::string printing(trimmed(utf8ToCp865(args[3])));
  const FrameData frames(data, data.findSection("TRAMDAT"));
  TwoColourPositionTable table;
  const TwoColourLoad load =
      table.load(data, frames, edition, value, printingBlockName(value, printing),
                 needsExtraLoadStep(value, printing) ? 1 : 0);
  if (!load.printingFound) {
    err << "kolvard export: " << args[2] << " of edition T has no printing " << args[3] << "\n";
    return 2;
  }
  const bool single =
      isSinglePanePrinting(value, printing) || table.layout() != SheetLayout::TwoPanes;
  if (single && paneArg == "B") {
    err << "kolvard export: the sheet of " << args[2] << " printing " << args[3]
        << " has one pane (A)\n";
    return 2;
  }
  const SchemaPane pane = single           ? SchemaPane::Single
                          : paneArg == "B" ? SchemaPane::B
                                           : SchemaPane::A;
  const std::string caption = editionTitle(edition, isIcelandOvalValue(value) ? 1 : 0, "");
  const TwoColourSchemaPage page =
      makeTwoColourSchemaPage(data, table, value, printing, caption, pane);
  const std::filesystem::path directory = args.size() == 6 ? args[5] : ".";
  ExportProgress progress(nullptr);
  PagePrintBuffers buffers;
  const TwoColourSchemaExport result = exportTwoColourSchema(
      *opened.screen, data, page, kind, directory, progress, todayDateText(), buffers);
  if (!result.ok) {
    err << "kolvard export: " << cp865ToUtf8(exportFailureText(result.fileName, result.error))
        << "\n";
    return 1;
  }
  out << cp865ToUtf8(result.fileName) << "\n";
  return 0;
}

}  // namespace

int runExportCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFile,
                     std::ostream& out, std::ostream& err) {
  if (args.empty()) return usage(err, "say what to export");
  if (args[0] == "sheet") return exportSheet(args, dataFile, out, err);
  if (args[0] == "series") return exportSeries(args, dataFile, out, err);
  if (args[0] == "oval" || args[0] == "frame" || args[0] == "both") {
    return exportTwoColourSchema(args, dataFile, out, err);
  }
  return usage(err, "unknown export " + args[0]);
}

}  // namespace kolvard
