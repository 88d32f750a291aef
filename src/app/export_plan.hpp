// What one `kolvard export` command prints: its pages in order, each with the base name of
// its BMP file and the drawing of the page, and the base name of the one PDF that can hold
// them all. A plan is made before anything is written, so `--list` can name the files and a
// wrong argument writes nothing. Pages are drawn only when they are written, each from the
// data again, so a plan of a hundred pages holds no page data.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "domain/frame_data.hpp"
#include "print/export_session.hpp"

namespace kolvard {

class DataFile;
class PageRaster;
class Screen;

// What a page drawing works with: the data, the screen that carries the page fonts, the
// printed date and the progress counter (without a screen: nothing is shown). The data is
// shared; each thread that draws pages has its own screen.
struct ExportContext {
  const DataFile& data;
  Screen& screen;
  std::string date;
  ExportProgress progress{nullptr};
  // The frame data of the two-coloured edition, decoded on first use and kept for every
  // printing and page of the command; read-only once made, so the threads that draw the
  // pages share it.
  std::shared_ptr<const FrameData> frames{};
};

struct ExportPage {
  std::string tag;  // cp865 base name of the BMP file ("#P4s1A")
  // Draws the page into the raster with the context's data and fonts (pages are drawn on
  // several threads, each with a context of its own); returns the glyph pixels of description
  // items that fell outside their cells (0 on a page where every item can be read whole).
  std::function<int(ExportContext&, PageRaster&)> draw;
};

struct ExportPlan {
  std::vector<ExportPage> pages;
  std::string pdfTag;  // cp865 base name of the PDF ("#V5o")
  // Pages were left out because the data file lacks what they are drawn from (`err` said
  // which): the command ends with status 1 after writing the others.
  bool incomplete = false;
};

// The outcome of planning: status 0 with the plan, 2 (wrong arguments) or 1 (the data file lacks
// what the pages are drawn from) after the reason went to `err`.
struct PlanResult {
  int status = 0;
  ExportPlan plan;
};

// The value as the program holds it (cp865, lower case, "o", "O", "Ø" read as "ø"), or empty
// after a message naming the values the edition has.
std::string exportValue(const std::string& edition, const std::string& utf8Value,
                        std::ostream& err);

// The forms of the command. `args` are the words after "export" without the options; the
// output directory, when given, is the last word and is not read here. The value and the
// edition letter have been checked by the caller.
PlanResult planSheet(ExportContext& context, const std::vector<std::string>& args,
                     const std::string& value, std::ostream& err);
PlanResult planSeries(ExportContext& context, const std::vector<std::string>& args,
                      const std::string& value, std::ostream& err);
PlanResult planTwoColourSchema(ExportContext& context, const std::vector<std::string>& args,
                               const std::string& value, std::ostream& err);
// Every printing and pane of a value: the sheet schemas, or for "T" the oval, frame and
// combined schemas (a frame schema shared by several printings once).
PlanResult planValue(ExportContext& context, const std::string& edition, const std::string& value,
                     std::ostream& err);

}  // namespace kolvard
