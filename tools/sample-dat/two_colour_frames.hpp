// The frame data of the two-coloured sample ("TRAMDAT"): the frame plate settings in the
// order they were made, each a block of what changed since the one before (transforms and
// positions), the frame flaws registered in each setting and the path of the clichés that
// wandered from place to place.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "sample-dat/two_colour_tables.hpp"

namespace sampledat::tc {

struct FrameFlaw {
  std::string code;       // stored setting code, "58"
  int running = 0;        // running number within the setting
  int position = 0;       // index 1..200 in the setting
  Field field;            // the frame field at that position
  std::string wandering;  // the "v" field; empty for most
};

struct FramePlan {
  std::vector<std::string> records;  // the frame data, 18-character records
  std::vector<std::string> blocks;   // block names (stored codes) in file order
  std::vector<FrameFlaw> flaws;
  std::array<int, 74> counts{};  // frame flaws per stored code 1..73
};

FramePlan planFrames();

// The shown setting of a stored code and its period: "58" -> 28, "2"; "61" -> 31, "1";
// "12" -> 12, "".
int shownSetting(int code, std::string& period);

}  // namespace sampledat::tc
