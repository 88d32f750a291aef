#include "kolvard-data/data_check.hpp"

#include <unordered_set>

#include "app/data_file_check.hpp"
#include "data/cp865.hpp"
#include "kolvard-data/check_sections.hpp"
#include "kolvard-data/expected_sections.hpp"

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

// One character of a coded running number: "0".."9", then "A" for 10 and on.
int codeDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 55;
  return -1;
}

// A frame flaw record "T" + stored setting code + "-" + q + r, running number 32 q + r.
void noteFrameFlaw(CheckContext& context, const std::string& name) {
  const auto dash = name.find('-');
  if (dash == std::string::npos || name.size() != dash + 3) return;
  const int q = codeDigit(name[dash + 1]);
  const int r = codeDigit(name[dash + 2]);
  if (q < 0 || r < 0) return;
  context.noteFrameFlawRecord(std::stoi(name.substr(1, dash - 1)), 32 * q + r, name);
}

// A stored name with one bit of one character flipped, as a damaged directory entry shows it.
template <typename Each>
void forEachOneBitAway(const std::string& name, Each each) {
  std::string variant = name;
  for (std::size_t i = 0; i < name.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      variant[i] = static_cast<char>(name[i] ^ (1 << bit));
      each(variant);
    }
    variant[i] = name[i];
  }
}

void noteMissingSections(const CheckContext& context, const std::vector<DataFile::Entry>& entries,
                         std::vector<DataNote>& notes) {
  std::unordered_set<std::string> stored;  // as written in the directory, not normalised
  for (const auto& entry : entries) stored.insert(entry.name);
  for (const ExpectedSection& expected : expectedSections()) {
    if (context.has(expected.name)) continue;
    std::string what = expected.whenMissing;
    // A name of no known kind one bit away is likely this one, its entry damaged.
    std::string suspect;
    forEachOneBitAway(expected.name, [&](const std::string& variant) {
      if (suspect.empty() && stored.contains(variant) &&
          classifySection(variant).kind == SectionKind::Unknown) {
        suspect = variant;
      }
    });
    if (!suspect.empty()) {
      what += "; the section " + suspect + " of no known kind may be it under a damaged name";
    }
    notes.push_back({expected.name, std::move(what)});
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
  const std::vector<DataFile::Entry> entries = file.listSections();
  noteMissingSections(context, entries, report.notes);
  std::vector<CheckedSection> sections;
  for (const auto& entry : entries) {
    SectionClass kind = classifySection(entry.name);
    if (kind.kind == SectionKind::ClicheRecord) {
      context.noteClicheRecordsOf(storedSectionName(kind.edition + kind.value));
      if (kind.edition == "T" && kind.value.empty()) noteFrameFlaw(context, entry.name);
    }
    sections.push_back({entry.name, entry.ref, std::move(kind)});
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
  for (const DataNote& n : report.notes) {
    out << "note: " << cp865ToUtf8(n.section) << " is not in the file: " << cp865ToUtf8(n.what)
        << '\n';
  }
  for (const DataProblem& p : report.problems) {
    out << (p.section.empty() ? std::string("(directory)") : cp865ToUtf8(p.section)) << " @"
        << p.offset << ": " << cp865ToUtf8(p.what);
    if (p.moreFaults > 0) {
      out << ", and " << p.moreFaults << (p.moreFaults == 1 ? " more fault" : " more faults")
          << " in this section";
    }
    out << '\n';
  }
  const std::string sections = std::to_string(report.sectionsChecked) + " sections";
  const std::string unknown =
      report.sectionsUnknown == 0
          ? ""
          : " (" + std::to_string(report.sectionsUnknown) + " of unknown kind not read)";
  const std::size_t notes = report.notes.size();
  const std::string noted =
      notes == 0 ? "" : ", " + std::to_string(notes) + (notes == 1 ? " note" : " notes");
  if (report.problems.empty()) {
    out << fileName << ": no problems in " << sections << unknown << noted << '\n';
  } else {
    out << report.problems.size() << (report.problems.size() == 1 ? " problem" : " problems")
        << " in " << sections << unknown << noted << '\n';
  }
}

}  // namespace kolvard::datatool
