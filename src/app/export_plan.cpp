#include "app/export_plan.hpp"

#include <algorithm>
#include <memory>
#include <set>

#include "data/cp865.hpp"
#include "data/text_fields.hpp"
#include "domain/edition.hpp"
#include "domain/edition_names.hpp"
#include "domain/printing_records.hpp"
#include "domain/sheet_knowledge.hpp"
#include "domain/sheet_schema.hpp"
#include "domain/sheet_walk.hpp"
#include "domain/two_colour_printings.hpp"
#include "domain/two_colour_schema.hpp"
#include "domain/two_colour_steps.hpp"
#include "domain/value_tables.hpp"
#include "domain/value_text.hpp"
#include "print/series_print.hpp"
#include "print/sheet_schema_print.hpp"
#include "print/two_colour_schema_print.hpp"

namespace kolvard {
namespace {

// More printings than any value has: a walk of the printings that has not ended by then
// goes round in a circle.
constexpr int kMostPrintings = 1000;

PlanResult refused() {
  return PlanResult{2, {}};
}

// The data file lacks what the schemas of the value are drawn from: its fault, not the words'.
bool printingDataMissing(const ExportContext& context, const std::string& edition,
                         const std::string& value, std::ostream& err) {
  if (hasPrintingData(context.data, edition, value)) return false;
  err << "kolvard export: the data file has no printing data of " << cp865ToUtf8(value)
      << " of edition " << edition << " (section "
      << withoutTrailingBlanks(normaliseSectionName(printingSectionName(edition, value)))
      << "): nothing is printed\n";
  return true;
}

PlanResult missingData() {
  return PlanResult{1, {}};
}

// Frame schemas are drawn from the frame data: without the printing's frame block they would
// be empty grids.
void reportMissingFrameBlock(const std::string& value, const std::string& printing,
                             std::ostream& err) {
  err << "kolvard export: the data file has no frame data of printing " << cp865ToUtf8(printing)
      << " of " << cp865ToUtf8(value) << " of edition T";
}

bool valueAccepted(const std::string& edition, const std::string& value) {
  if (Edition(edition).isTwoColoured()) return highestPrintingOf(edition, value) != "0";
  return checkValue(edition, value).accepted;
}

std::string paneCount(int panes) {
  return panes == 1 ? std::string("one pane (A)") : std::to_string(panes) + " panes";
}

// ---- one-coloured sheet schemas

int sheetPanes(const DataFile& data, const std::string& edition, const std::string& value,
               const std::string& printing) {
  return std::max(1, readSheetOfPrinting(data, edition, value, printing).format.panes);
}

ExportPage sheetPage(const std::string& edition, const std::string& value,
                     const std::string& printing, int panes, int pane) {
  SheetSchemaPage names;
  names.edition = edition;
  names.value = value;
  names.printing = printing;
  names.panes = panes;
  names.pane = pane;
  ExportPage page;
  page.tag = sheetSchemaTag(names);
  page.draw = [names](ExportContext& context, PageRaster& raster) -> int {
    const SheetOfPrinting sheet =
        readSheetOfPrinting(context.data, names.edition, names.value, names.printing);
    const SheetKnowledge knowledge =
        readSheetKnowledge(context.data, names.edition, names.value, names.printing);
    SheetSchemaPage schema = names;
    schema.caption = Edition(names.edition).title(Edition(names.edition).isIceland() ? 1 : 0, "");
    schema.paneCaption = knowledge.captions[static_cast<std::size_t>(std::clamp(names.pane, 0, 3))];
    schema.table = &sheet.table;
    schema.group = sheet.format.group;
    return drawSheetSchemaPage(context.screen, raster, context.data, schema, context.progress,
                               context.date);
  };
  return page;
}

// ---- two-coloured schemas

struct TwoColourPrinting {
  bool found = false;
  bool single = false;
};

struct LoadedTwoColour {
  TwoColourPositionTable table;
  TwoColourLoad load;
};

std::unique_ptr<LoadedTwoColour> loadTwoColour(ExportContext& context, const std::string& value,
                                               const std::string& printing) {
  if (!context.frames) {
    context.frames =
        std::make_shared<const FrameData>(context.data, context.data.findSection("TRAMDAT"));
  }
  auto loaded = std::make_unique<LoadedTwoColour>();
  loaded->load = loaded->table.load(context.data, *context.frames, "T", value,
                                    printingBlockName(value, printing),
                                    needsExtraLoadStep(value, printing) ? 1 : 0);
  return loaded;
}

bool singlePane(const LoadedTwoColour& loaded, const std::string& value,
                const std::string& printing) {
  return isSinglePanePrinting(value, printing) || loaded.table.layout() != SheetLayout::TwoPanes;
}

TwoColourSchemaPage twoColourPage(const DataFile& data, const LoadedTwoColour& loaded,
                                  const std::string& value, const std::string& printing,
                                  SchemaPane pane) {
  const std::string caption = editionTitle("T", isIcelandOvalValue(value) ? 1 : 0, "");
  return makeTwoColourSchemaPage(data, loaded.table, value, printing, caption, pane);
}

ExportPage twoColourExportPage(const std::string& tag, const std::string& value,
                               const std::string& printing, SchemaPane pane, SchemaPrintKind kind) {
  ExportPage page;
  page.tag = tag;
  page.draw = [value, printing, pane, kind](ExportContext& context, PageRaster& raster) -> int {
    const auto loaded = loadTwoColour(context, value, printing);
    const TwoColourSchemaPage schema = twoColourPage(context.data, *loaded, value, printing, pane);
    return drawTwoColourSchemaPage(context.screen, raster, context.data, schema, kind,
                                   context.progress, context.date);
  };
  return page;
}

// The panes of a loaded printing as the schema prints name them.
std::vector<SchemaPane> schemaPanes(bool single) {
  if (single) return {SchemaPane::Single};
  return {SchemaPane::A, SchemaPane::B};
}

}  // namespace

std::string exportValue(const std::string& edition, const std::string& utf8Value,
                        std::ostream& err) {
  const std::string value = normaliseValueKey(asciiLower(utf8ToCp865(utf8Value)));
  if (valueAccepted(edition, value)) return value;
  err << "kolvard export: edition " << edition << " has no value " << utf8Value;
  std::string known;
  for (const std::string& v : valuesOf(edition)) {
    if (!valueAccepted(edition, v)) continue;
    known += (known.empty() ? "" : ", ") + cp865ToUtf8(v);
  }
  if (!known.empty()) err << "; its values are " << known;
  err << "\n";
  return {};
}

PlanResult planSheet(ExportContext& context, const std::vector<std::string>& args,
                     const std::string& value, std::ostream& err) {
  const std::string& edition = args[1];
  const int highest = leadingNumber(highestPrintingOf(edition, value));
  const int number = leadingNumber(args[3]);
  if (number < 1 || number > highest) {
    err << "kolvard export: " << args[2] << " of edition " << edition << " has printings 1 to "
        << highest << "\n";
    return refused();
  }
  if (printingDataMissing(context, edition, value, err)) return missingData();
  const std::string printing = normalisePrintingName(edition, value, asciiLower(args[3]));
  const int panes = sheetPanes(context.data, edition, value, printing);
  const int pane = args[4][0] - 'A';
  if (pane >= panes) {
    err << "kolvard export: the sheet of " << args[2] << " printing " << printing << " has "
        << paneCount(panes) << "\n";
    return refused();
  }
  PlanResult result;
  result.plan.pages.push_back(sheetPage(edition, value, printing, panes, pane));
  result.plan.pdfTag = result.plan.pages.front().tag;
  return result;
}

PlanResult planSeries(ExportContext& context, const std::vector<std::string>& args,
                      const std::string& value, std::ostream& err) {
  const std::string& edition = args[1];
  if (seriesPrintingUnavailable(edition, value)) {
    err << "kolvard export: " << args[2] << " of edition " << edition << " has no series print\n";
    return refused();
  }
  auto request = std::make_shared<SeriesPrintRequest>();
  request->edition = edition;
  request->value = value;
  const bool iceland = Edition(edition).isIcelandic(value);
  request->caption = Edition(edition).title(iceland ? 1 : 0, "");
  request->series = leadingNumber(args[3]);
  request->limits = readSeriesLimits(context.data, edition, value);
  request->currentValuePrinting = value + "1";
  if (request->limits.highestOf(request->series) < 1) {
    err << "kolvard export: " << args[2] << " of edition " << edition << " has no series "
        << request->series << "\n";
    return refused();
  }
  auto layout = std::make_shared<const SeriesLayout>(layOutSeries(context.data, *request));
  if (layout->pages == 0) {
    err << "kolvard export: series " << request->series << " of " << args[2]
        << " has no clichés to print\n";
    return refused();
  }
  PlanResult result;
  const int series = seriesPrintNumber(*request);
  for (int p = 1; p <= layout->pages; ++p) {
    ExportPage page;
    page.tag = seriesPageTag(edition, value, series, p);
    page.draw = [request, layout, p](ExportContext& drawing, PageRaster& raster) -> int {
      return drawSeriesPage(drawing.screen, raster, drawing.data, *request, *layout, p,
                            drawing.progress, drawing.date);
    };
    result.plan.pages.push_back(std::move(page));
  }
  const std::string first = seriesPageTag(edition, value, series, 1);
  result.plan.pdfTag = first.substr(0, first.rfind('-'));
  return result;
}

PlanResult planTwoColourSchema(ExportContext& context, const std::vector<std::string>& args,
                               const std::string& value, std::ostream& err) {
  const SchemaPrintKind kind = args[0] == "oval"    ? SchemaPrintKind::Oval
                               : args[0] == "frame" ? SchemaPrintKind::Frame
                                                    : SchemaPrintKind::Both;
  if (printingDataMissing(context, "T", value, err)) return missingData();
  const std::string printing(trimmed(utf8ToCp865(args[3])));
  const auto loaded = loadTwoColour(context, value, printing);
  if (!loaded->load.printingFound) {
    err << "kolvard export: " << args[2] << " of edition T has no printing " << args[3] << "\n";
    return refused();
  }
  const bool single = singlePane(*loaded, value, printing);
  if (single && args[4] == "B") {
    err << "kolvard export: the sheet of " << args[2] << " printing " << args[3]
        << " has one pane (A)\n";
    return refused();
  }
  if (kind != SchemaPrintKind::Oval && !loaded->load.frameBlockFound) {
    reportMissingFrameBlock(value, printing, err);
    err << ": nothing is printed\n";
    return missingData();
  }
  const SchemaPane pane = single           ? SchemaPane::Single
                          : args[4] == "B" ? SchemaPane::B
                                           : SchemaPane::A;
  const std::string tag =
      twoColourSchemaTag(twoColourPage(context.data, *loaded, value, printing, pane), kind);
  PlanResult result;
  result.plan.pages.push_back(twoColourExportPage(tag, value, printing, pane, kind));
  result.plan.pdfTag = tag;
  return result;
}

PlanResult planValue(ExportContext& context, const std::string& edition, const std::string& value,
                     std::ostream& err) {
  if (printingDataMissing(context, edition, value, err)) return missingData();
  PlanResult result;
  const int highest = leadingNumber(highestPrintingOf(edition, value));
  std::set<std::string> seen;  // printings, and for "T" the file names
  const bool twoColoured = Edition(edition).isTwoColoured();
  std::optional<std::string> printing =
      twoColoured ? printingBlockName(value, "1") : normalisePrintingName(edition, value, "1");
  for (int steps = 0; printing && steps < kMostPrintings; ++steps) {
    if (!seen.insert("printing " + *printing).second) break;
    if (!twoColoured) {
      const int panes = sheetPanes(context.data, edition, value, *printing);
      for (int pane = 0; pane < panes; ++pane) {
        result.plan.pages.push_back(sheetPage(edition, value, *printing, panes, pane));
      }
      const auto next = nextPrinting(edition, value, *printing, highest);
      printing = next ? std::optional(normalisePrintingName(edition, value, *next)) : std::nullopt;
      continue;
    }
    const auto loaded = loadTwoColour(context, value, *printing);
    if (loaded->load.printingFound) {
      const bool frames = loaded->load.frameBlockFound;
      if (!frames) {
        reportMissingFrameBlock(value, *printing, err);
        err << ": its frame schemas are left out\n";
        result.plan.incomplete = true;
      }
      for (const SchemaPane pane : schemaPanes(singlePane(*loaded, value, *printing))) {
        const TwoColourSchemaPage schema =
            twoColourPage(context.data, *loaded, value, *printing, pane);
        for (const SchemaPrintKind kind :
             {SchemaPrintKind::Oval, SchemaPrintKind::Frame, SchemaPrintKind::Both}) {
          if (!frames && kind != SchemaPrintKind::Oval) continue;
          const std::string tag = twoColourSchemaTag(schema, kind);
          // Printings of one frame setting share its frame schema: it is printed once.
          if (!seen.insert(tag).second) continue;
          result.plan.pages.push_back(twoColourExportPage(tag, value, *printing, pane, kind));
        }
      }
    }
    printing = printingAfter(value, *printing, highest);
  }
  if (result.plan.pages.empty()) {
    err << "kolvard export: edition " << edition << " has no printed schemas of "
        << cp865ToUtf8(value) << "\n";
    return refused();
  }
  result.plan.pdfTag = "#" + edition + value;
  return result;
}

}  // namespace kolvard
