#include "sample-dat/two_colour_frames.hpp"

#include <map>
#include <set>
#include <stdexcept>

#include "sample-dat/flaw_drawing.hpp"

namespace sampledat::tc {
namespace {

struct BlockSpec {
  std::string name;
  std::vector<int> transforms;  // {0}: a new plate, listed whole
};

// The settings in the order they were made. 53 is the Icelandic plate (one pane); 1 starts
// the Danish plate afresh. Every transform X2..X10 occurs; X2 turns the whole plate of 58
// (setting 28 in its second period) and turns it back in 34; X10 turns row 10 in 10 and
// back in 11.
const std::vector<BlockSpec>& blockSpecs() {
  static const std::vector<BlockSpec> specs = {
      {"53", {0}},  {"1", {0}},  {"2", {3}},  {"3", {}},   {"4", {5}},     {"5", {4}},
      {"6", {6}},   {"7", {9}},  {"8", {7}},  {"9", {8}},  {"18", {3, 4}}, {"10", {10}},
      {"11", {10}}, {"12", {5}}, {"13", {6}}, {"14", {}},  {"15", {9}},    {"16", {3}},
      {"17", {7}},  {"19", {4}}, {"20", {8}}, {"21", {5}}, {"22", {6}},    {"23", {9}},
      {"24", {}},   {"25", {3}}, {"26", {7}}, {"27", {}},  {"28", {4}},    {"29", {3}},
      {"30", {6}},  {"61", {5}}, {"32", {9}}, {"33", {7}}, {"58", {2}},    {"34", {2}},
      {"35", {8}},  {"31", {4}}, {"36", {5}}, {"37", {3}}, {"38", {9}},    {"39", {6}},
      {"40", {7}}};
  return specs;
}

const char* const kTypes[] = {"1", "2", "3", "3h", "4"};

int roll(const std::string& seed, int n) {
  return static_cast<int>(hashOf(seed) % static_cast<std::uint32_t>(n));
}

std::string shownNumber(const std::string& code, int running) {
  std::string period;
  return std::to_string(shownSetting(std::stoi(code), period)) + "." + std::to_string(running);
}

std::string six(const std::string& s) {
  return s + std::string(s.size() < 6 ? 6 - s.size() : 0, ' ');
}

}  // namespace

int shownSetting(int code, std::string& period) {
  static const std::map<int, std::pair<int, const char*>> kTable = {
      {5, {5, "1"}},   {28, {28, "1"}}, {29, {29, "1"}}, {39, {39, "1"}},
      {41, {41, "1"}}, {42, {42, "1"}}, {43, {43, "1"}}, {18, {5, "2"}},
      {58, {28, "2"}}, {59, {29, "2"}}, {69, {39, "2"}}, {71, {41, "2"}},
      {72, {42, "2"}}, {73, {43, "2"}}, {31, {31, "2"}}, {61, {31, "1"}}};
  const auto it = kTable.find(code);
  if (it == kTable.end()) {
    period.clear();
    return code;
  }
  period = it->second.second;
  return it->second.first;
}

FramePlan planFrames() {
  FramePlan plan;
  Fields state{};
  std::array<int, 201> ids{};
  int nextId = 1;
  std::map<int, int> registrations;  // cliché -> settings it was registered in so far
  std::set<int> flawed;
  // cliché -> (block index, position, number) of each registration
  std::map<int, std::vector<std::pair<int, std::string>>> path;
  std::map<int, std::vector<int>> placeOf;
  std::vector<std::pair<int, int>> flawIds;  // (flaw index, cliché)

  const auto newCliche = [&](int position, const std::string& seed) {
    ids[static_cast<std::size_t>(position)] = nextId++;
    Field& f = state[static_cast<std::size_t>(position)];
    f = Field{};
    f.type = kTypes[roll(seed + "type", 5)];
    f.kind = roll(seed + "kind", 29) == 0 ? 'T' : ' ';
  };

  int blockIndex = 0;
  for (const BlockSpec& spec : blockSpecs()) {
    const std::string& name = spec.name;
    const bool iceland = name == "53";
    const int last = iceland ? 100 : 200;
    plan.blocks.push_back(name);
    plan.records.push_back("E" + name);
    const Fields before = state;
    Fields moved = state;  // the fields after this block's transforms, as a reader has them
    const bool fresh = spec.transforms == std::vector<int>{0};
    if (fresh) {
      plan.records.push_back("X0");
      moved.fill(Field{});
      state.fill(Field{});
      ids.fill(0);
      flawed.clear();
      registrations.clear();
      for (int i = 1; i <= last; ++i) newCliche(i, name + "/" + std::to_string(i));
    } else {
      for (const int x : spec.transforms) {
        plan.records.push_back("X" + std::to_string(x));
        applyTransform(x, moved);
        // The clichés move with their fields: carry the cliché numbers in a copy.
        Fields carried{};
        for (int i = 1; i <= 200; ++i)
          carried[static_cast<std::size_t>(i)].flaw =
              std::to_string(ids[static_cast<std::size_t>(i)]);
        applyTransform(x, carried);
        for (int i = 1; i <= 200; ++i)
          ids[static_cast<std::size_t>(i)] = std::stoi(carried[static_cast<std::size_t>(i)].flaw);
      }
      state = moved;
    }
    (void)before;
    const bool turnedPlate = name == "58" || name == "34";
    if (!fresh && !turnedPlate) {
      // Clichés registered in three settings are worn out and replaced by new ones.
      for (int i = 1; i <= last; ++i) {
        const int id = ids[static_cast<std::size_t>(i)];
        if (flawed.count(id) && registrations[id] >= 3) {
          flawed.erase(id);
          newCliche(i, name + "/new/" + std::to_string(i));
        }
      }
      // New flaws: three a setting.
      for (int k = 0, tries = 0; k < 3 && tries < 50; ++tries) {
        const int i = 1 + roll(name + "/flaw/" + std::to_string(tries), last);
        if (flawed.insert(ids[static_cast<std::size_t>(i)]).second) ++k;
      }
    }
    if (fresh) {
      const int wanted = iceland ? 34 : 9;
      for (int k = 0, tries = 0; k < wanted; ++tries) {
        const int i = 1 + roll(name + "/flaw/" + std::to_string(tries), last);
        if (flawed.insert(ids[static_cast<std::size_t>(i)]).second) ++k;
      }
    }
    // Single clichés set upside down, thick ones, uncertain places and rare types.
    for (auto& f : state) f.mark = ' ';
    if (name == "12") state[17].kind = 'O';
    if (name == "25") state[173].kind = 'O';
    if (name == "14") state[37].kind = kDownArrow;
    if (name == "22") state[45].mark = '?', state[112].mark = '?';
    if (name == "33") state[166].mark = '?';
    if (name == "8") state[64].kind = 'U';
    if (name == "24") {
      newCliche(58, "24/58"), newCliche(158, "24/158");
      state[58].type = "3`1", state[158].type = "3`1";
    }
    if (iceland) state[12].mark = '?';
    // The flaws of this setting, numbered in position order.
    int running = 0;
    for (int i = 1; i <= last; ++i) {
      Field& f = state[static_cast<std::size_t>(i)];
      const int id = ids[static_cast<std::size_t>(i)];
      f.flaw.clear();
      if (!flawed.count(id)) continue;
      f.flaw = name + "." + std::to_string(++running);
      ++registrations[id];
      path[id].push_back({blockIndex, shownNumber(name, running)});
      placeOf[id].push_back(i);
      plan.flaws.push_back({name, running, i, f, ""});
      flawIds.push_back({static_cast<int>(plan.flaws.size()) - 1, id});
    }
    const int code = std::stoi(name);
    plan.counts[static_cast<std::size_t>(code)] = running;
    // The records of what differs from the fields after the transforms.
    for (int i = 1; i <= last; ++i) {
      const Field& f = state[static_cast<std::size_t>(i)];
      if (fresh || !(f == moved[static_cast<std::size_t>(i)]))
        plan.records.push_back(positionRecord(designation(i, false), ' ', f));
    }
    ++blockIndex;
  }
  plan.records.push_back("^F");

  // Wandering clichés: a few clichés that stood elsewhere in an earlier setting show where.
  int written = 0;
  for (const auto& [index, id] : flawIds) {
    FrameFlaw& flaw = plan.flaws[static_cast<std::size_t>(index)];
    const auto& steps = path[id];
    const auto& places = placeOf[id];
    std::size_t at = 0;
    while (at < steps.size() && steps[at].second != shownNumber(flaw.code, flaw.running)) ++at;
    if (at == 0 || at >= steps.size() || places[at] == places[at - 1]) continue;
    if (hashOf(flaw.code + "/" + std::to_string(flaw.running)) % 6 != 0) continue;
    std::string v;
    for (std::size_t k = 0; k < at; ++k) v += "$R" + six(steps[k].second);
    for (std::size_t k = at + 1; k < steps.size(); ++k) v += "$S" + six(steps[k].second);
    flaw.wandering = v;
    ++written;
  }
  if (written < 4) throw std::runtime_error("frame data: too few wandering clichés");
  // Two clichés whose path is told in words.
  for (auto& flaw : plan.flaws) {
    if (flaw.code == "16" && flaw.running == 2)
      flaw.wandering =
          "$QFra setting 15 r"
          "\xc3\xa6"
          "kke 1";
    if (flaw.code == "27" && flaw.running == 1)
      flaw.wandering =
          "$Ny klich"
          "\xc3\xa9"
          " i setting 27";
  }
  return plan;
}

}  // namespace sampledat::tc
