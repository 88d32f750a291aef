// The value data of the two-coloured sample ("T" + value + "DAT"): for each value its
// printings (pairs as one printing), the oval plates of its oval series and how they changed
// from printing to printing, the frame block each printing was made with, and what the
// position tables then give: the places of every oval flaw and the printings of each frame
// setting.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "sample-dat/two_colour_frames.hpp"

namespace sampledat::tc {

struct PrintingPlan {
  std::string name;       // "1", "2-3", "9b-10", "33A"
  int layout = 2;         // 1 one pane, 2 panes A and B
  std::string reference;  // the "R" record: "12", "27B", "11A"
  int series = 1;
  std::string remark;  // printing-order remark, "(ny)"
};

struct ValuePlan {
  std::string value;  // UTF-8, "8ø"
  std::string code;   // as occurrence items write it, "8o"
  bool oneSeries = false;
  std::vector<PrintingPlan> printings;
  std::vector<std::string> records;                        // the value data
  std::array<int, 21> series{};                            // [0] count, [s] flaws of series s
  std::map<std::string, std::vector<std::string>> places;  // oval flaw -> occurrence items
  std::map<std::string, std::string> ovalTypes;            // oval flaw -> its type (OM.)
  std::string sectionName() const;                         // stored, "T8ODAT"
};

// Every value of the sample with its records and occurrence lists, read back against the
// frame data.
std::vector<ValuePlan> planValues(const FramePlan& frames);

// The series index "TCSERIER" and the printing order "TTRYK", one line a record.
std::vector<std::string> seriesIndex();
std::vector<std::string> printingOrder(const std::vector<ValuePlan>& values);

}  // namespace sampledat::tc
