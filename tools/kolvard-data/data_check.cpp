#include "kolvard-data/data_check.hpp"

#include "app/data_file_check.hpp"
#include "data/cp865.hpp"
#include "kolvard-data/check_sections.hpp"

namespace kolvard::datatool {
namespace {

void checkSection(CheckContext& context, const CheckedSection& section) {
  switch (section.kind.kind) {
    case SectionKind::Font:
      return checkFont(context, section);
    case SectionKind::Picture:
      return checkPicture(context, section);
    case SectionKind::InformationText:
      return checkInformationText(context, section);
    case SectionKind::PrintingCounts:
      return checkPrintingCounts(context, section);
    case SectionKind::WholeSheets:
      return checkWholeSheets(context, section);
    case SectionKind::TypePages:
      return checkTypePages(context, section);
    case SectionKind::SeriesIndex:
      return checkSeriesIndex(context, section);
    case SectionKind::SeriesLimits:
      return checkSeriesLimits(context, section);
    case SectionKind::SheetTexts:
      return checkSheetTexts(context, section);
    case SectionKind::PrintingData:
      return checkPrintingData(context, section);
    case SectionKind::PrintingInformation:
      return checkPrintingInformation(context, section);
    case SectionKind::ClicheRecord:
    case SectionKind::TypeRecord:
      return checkClicheRecord(context, section);
    case SectionKind::Composite:
      return checkComposite(context, section);
    case SectionKind::FixedRecords:
      return checkFixedRecords(context, section);
    case SectionKind::TwoColourValueData:
      return checkTwoColourValueData(context, section);
    case SectionKind::FrameData:
      return checkFrameData(context, section);
    case SectionKind::PrintingOrder:
      return checkPrintingOrder(context, section);
    case SectionKind::Unknown:
      return;
  }
}

}  // namespace

DataCheckReport checkDataFile(const DataFile& file) {
  DataCheckReport report;
  for (ContainerProblem& p : dataFileProblems(file)) {
    report.problems.push_back({std::move(p.section), p.offset, std::move(p.what)});
  }
  // A directory that is not sound names no sections worth reading.
  if (!checkContainer(file).empty()) return report;

  CheckContext context(file);
  std::vector<CheckedSection> sections;
  for (auto& entry : file.listSections()) {
    SectionClass kind = classifySection(entry.name);
    if (kind.kind == SectionKind::ClicheRecord) {
      context.noteClicheRecordsOf(storedSectionName(kind.edition + kind.value));
    }
    sections.push_back({std::move(entry.name), entry.ref, std::move(kind)});
  }
  for (const CheckedSection& section : sections) {
    if (section.kind.kind == SectionKind::Unknown) {
      ++report.sectionsUnknown;
      continue;
    }
    ++report.sectionsChecked;
    checkSection(context, section);
  }
  for (DataProblem& p : context.takeProblems()) report.problems.push_back(std::move(p));
  return report;
}

void printDataCheck(const DataCheckReport& report, const std::string& fileName, std::ostream& out) {
  for (const DataProblem& p : report.problems) {
    out << (p.section.empty() ? std::string("(directory)") : cp865ToUtf8(p.section)) << " @"
        << p.offset << ": " << cp865ToUtf8(p.what) << '\n';
  }
  const std::string sections = std::to_string(report.sectionsChecked) + " sections";
  const std::string unknown =
      report.sectionsUnknown == 0
          ? ""
          : " (" + std::to_string(report.sectionsUnknown) + " of unknown kind not read)";
  if (report.problems.empty()) {
    out << fileName << ": no problems in " << sections << unknown << '\n';
  } else {
    out << report.problems.size() << (report.problems.size() == 1 ? " problem" : " problems")
        << " in " << sections << unknown << '\n';
  }
}

}  // namespace kolvard::datatool
