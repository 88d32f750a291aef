// The behaviour corpus: key scripts over every screen and edition of the sample, each run as a
// whole program with a screenshot and a state dump after every key. The pixels of each shot, the
// text of each dump, the beeps of each key and every file the run writes (printed pages,
// KOL703.CFG) are hashed and compared with the recording in tests/corpus/expected/NAME.txt, so
// that a change meant to keep the behaviour (a reshaping of the screens' code) shows any
// difference at the first key that has it.
//
// The scripts are the written ones of tests/corpus/scripts.txt and random ones made here from
// fixed seeds. A script's name begins with the screen it is meant for; its run must reach that
// screen. A missing recording is written as the candidate and the case fails; a difference
// writes NAME-ACTUAL.txt, with the screenshot and dump of the first differing step, into the
// build tree (test-data/corpus/). KOLVARD_UPDATE_CORPUS=1 records every run anew
// (scripts/update-corpus.sh).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_cycle.hpp"
#include "app/state_dump.hpp"
#include "platform/headless/headless_platform.hpp"
#include "platform/headless/key_script.hpp"
#include "support/headless_run.hpp"
#include "ui/png_image.hpp"

namespace kolvard {
namespace KOLVARD_TEST_UNIT {

namespace fs = std::filesystem;

fs::path corpusSourceDir() {
  return fs::path(KOLVARD_GOLDEN_DIR).parent_path() / "corpus";
}
fs::path expectedDir() {
  return corpusSourceDir() / "expected";
}
fs::path actualDir() {
  return fs::path(KOLVARD_TEST_CACHE_DIR) / "corpus";
}

bool updating() {
  const char* update = std::getenv("KOLVARD_UPDATE_CORPUS");
  return update != nullptr && std::string_view(update) == "1";
}

// FNV-1a, 64 bits: the same on every platform and standard library.
class Fnv {
 public:
  void add(std::string_view bytes) {
    for (const char c : bytes) byte(static_cast<unsigned char>(c));
  }
  void byte(std::uint8_t b) { h_ = (h_ ^ b) * 1099511628211ULL; }
  std::string hex() const {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h_));
    return text;
  }

 private:
  std::uint64_t h_ = 1469598103934665603ULL;
};

std::string hashOf(std::string_view bytes) {
  Fnv fnv;
  fnv.add(bytes);
  return fnv.hex();
}

// The decoded pixels, not the PNG bytes: another encoder must give the same hash.
std::string pixelHash(const Framebuffer& image) {
  Fnv fnv;
  for (const int n : {image.width(), image.height()}) {
    for (int shift = 0; shift < 32; shift += 8) fnv.byte(static_cast<std::uint8_t>(n >> shift));
  }
  for (const Rgb p : image.pixels()) {
    fnv.byte(static_cast<std::uint8_t>(p >> 16));
    fnv.byte(static_cast<std::uint8_t>(p >> 8));
    fnv.byte(static_cast<std::uint8_t>(p));
  }
  return fnv.hex();
}

// The screens a script can be meant for, as the state dump names them.
constexpr const char* kScreens[] = {
    "front",    "viewer",     "register",      "tc-register", "sheets",   "tc-schemas", "flaws",
    "tc-flaws", "composites", "tc-composites", "types",       "tc-types", "watermarks",
};

// The screen a name begins with (the longest that fits), or "" for none.
std::string screenOfName(const std::string& name) {
  std::string best;
  for (const char* known : kScreens) {
    const std::string screen = known;
    if (name.rfind(screen + "-", 0) == 0 && screen.size() > best.size()) best = screen;
  }
  return best;
}

struct Script {
  std::string name;
  std::string keys;
  std::string screen;  // the screen the run must reach
  std::string error;   // why the script cannot be run (a fault of the corpus)
};

// A failing case names its script, not the bytes of the parameter.
void PrintTo(const Script& script, std::ostream* out) {
  *out << script.name;
}

// The keys of a script, one token a key: a quoted text becomes one quoted character a key, so
// that each of them gets its shot and dump.
std::vector<std::string> keyTokens(const std::string& keys, std::string* error) {
  std::vector<std::string> tokens;
  std::size_t pos = 0;
  const auto blank = [&](std::size_t at) { return keys[at] == ' ' || keys[at] == '\t'; };
  while (pos < keys.size()) {
    if (blank(pos)) {
      ++pos;
    } else if (keys[pos] == '"') {
      const std::size_t close = keys.find('"', pos + 1);
      if (close == std::string::npos) {
        *error = "unterminated text at character " + std::to_string(pos + 1);
        return {};
      }
      for (std::size_t at = pos + 1; at < close;) {
        std::size_t end = at + 1;  // one UTF-8 character: its lead byte and continuation bytes
        while (end < close && (static_cast<unsigned char>(keys[end]) & 0xC0) == 0x80) ++end;
        const std::string ch = keys.substr(at, end - at);
        tokens.push_back(ch == " " ? "Space" : "\"" + ch + "\"");
        at = end;
      }
      pos = close + 1;
    } else {
      std::size_t end = pos;
      while (end < keys.size() && !blank(end)) ++end;
      const std::string token = keys.substr(pos, end - pos);
      if (token.find(':') != std::string::npos && token.size() > 1) {
        *error = "'" + token + "': the runner takes the shots and dumps itself";
        return {};
      }
      tokens.push_back(token);
      pos = end;
    }
  }
  if (tokens.empty()) *error = "no keys";
  return tokens;
}

std::vector<Script> writtenScripts() {
  std::vector<Script> scripts;
  const fs::path file = corpusSourceDir() / "scripts.txt";
  std::ifstream in(file);
  if (!in) return {{"scripts-txt", "", "", "cannot read " + file.string()}};
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    Script s;
    if (tab == std::string::npos) {
      s.name = "scripts-txt-line-" + std::to_string(number);
      s.error = file.string() + ":" + std::to_string(number) + ": no tab between name and keys";
    } else {
      s.name = line.substr(0, tab);
      s.keys = line.substr(tab + 1);
      s.screen = screenOfName(s.name);
      if (s.screen.empty()) s.error = "the name " + s.name + " begins with no screen's name";
    }
    scripts.push_back(s);
  }
  return scripts;
}

// A linear congruential generator of our own (Knuth's MMIX constants): the standard library's
// distributions differ between libraries, and the scripts must not.
class Lcg {
 public:
  explicit Lcg(std::uint64_t seed) : state_(seed) {}
  int below(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
  }

 private:
  std::uint64_t state_;
};

// Where a random script starts, and the keys that mean something there. A key listed twice is
// drawn twice as often. The print keys come with the screens that print, and leaving keys (Esc,
// the screen F-keys) are few, so that most keys act on the screen the prefix reached.
struct RandomStart {
  const char* screen;
  const char* prefix;
  const char* alphabet;
};

constexpr RandomStart kRandomStarts[] = {
    {"front", "",
     "Up Down Up Down C P L A T V M I J R 1 2 3 4 Home Enter Space x F1 F2 F5 F6 F7 F8 F3"},
    {"viewer", "V F2", "Up Down PgUp PgDn Home End Up Down PgDn x Enter F2 Esc F1"},
    {"register", "P Down F3",
     "Up Down Left Right Up Down Right Left Home End PgUp PgDn Ins Del Tab Backspace Space Enter "
     "Enter 1 2 3 4 5 9 0 . V T & ø n F1 F2 F3 Esc"},
    {"register", "A Down Down F3 Enter",
     "Up Down Left Right PgUp PgDn Home End Ins Del Ins Del Enter 2 3 4 1 T V F1 F2 F3 Backspace "
     "Tab"},
    {"tc-register", "T Down Down F3",
     "Up Down Left Right Up Down Left Right Home End PgUp PgDn Ins Del Tab Backspace Space Enter "
     "1 2 3 5 8 R O U T . V F1 F2 F3 Esc"},
    {"sheets", "P Down F5", "PgUp PgDn PgDn A B C D S F4 T 2 3 Enter V 4 s Enter F9 Space Esc F2"},
    {"sheets", "A Down Down F5", "PgUp PgDn PgDn A B C D S F4 T 1 5 8 Enter F10 Space F1 Esc"},
    {"sheets", "V Down Enter", "PgUp PgDn PgDn PgDn A B F4 T 2 1 Enter F9 Space F10 Space F2"},
    {"sheets", "C Enter", "PgUp PgDn PgDn A B F4 T 3 Enter V 4 c Enter F9 Space F10 x"},
    {"tc-schemas", "T Down Down F5",
     "PgUp PgDn PgDn A B Left Right T 1 8 Enter V 4 s 8 ø Enter F9 Space F11 Space F2 Esc"},
    {"tc-schemas", "T F5 V \"16ø\" Enter",
     "PgUp PgDn PgDn A B Left Right T 2 Enter F4 F9 Space F10 Space Shift+F4 x"},
    {"flaws", "A Down Down F6",
     "Left Right Up Down Left Right Up Down Home End PgUp PgDn P A B 1 2 5 Enter C O 3 . F4 F12 "
     "Space Esc F1"},
    {"flaws", "V Down F6",
     "Left Right Up Down Left Right Up Down Home End PgUp PgDn P A B 1 7 Enter C O 2 . F4 T Esc"},
    {"flaws", "M Down Down Down Down Down F6",
     "Left Right Up Down Left Right Up Down Home End PgUp PgDn P I 2 3 Enter C 1 . F4 Esc"},
    {"flaws", "I Down Down Down Down Down F6",
     "Left Right Up Down Home End PgUp PgDn P 1 3 Enter V 6 a Enter F4 F12 Space"},
    {"tc-flaws", "T Down Down F6",
     "Left Right Up Down Left Right Up Down Home End PgUp PgDn P A B R O C V T 1 5 3 . Enter F4 "
     "F12 Space Esc"},
    {"tc-flaws", "T F6 V \"8ø\" Enter",
     "Left Right Up Down Left Right Home End PgUp PgDn P R O C V T 2 4 . Enter F4 F2 Esc"},
    {"tc-flaws", "I F6 V \"4a\" Enter",
     "Left Right Up Down Home End PgUp PgDn P R O 1 7 . Enter F4 F12 Space"},
    {"composites", "A Down Down F7",
     "Left Right Up Down Home End PgUp PgDn M C S 0 1 2 Enter Left Right F1 Esc"},
    {"composites", "M Down Down Down Down Down F7",
     "Left Right Up Down Home End PgUp PgDn S 1 2 3 4 Enter Left Right Esc"},
    {"tc-composites", "T Down Down F7",
     "Left Right Up Down Home End PgUp PgDn S R O P 1 2 Enter V 8 ø Left Right Esc"},
    {"types", "P Down F6 F8", "Up Down Left Right PgUp PgDn Home End V R K 4 s Enter W Esc x"},
    {"types", "I Down Down Down Down Down F8",
     "Up Down Left Right PgUp PgDn Home End V R 6 a Enter K W x"},
    {"tc-types", "T Down Down F8", "Up Down Left Right PgUp PgDn Home End V R W K 4 s Enter Esc"},
};

constexpr int kRandomScripts = 70;

std::vector<Script> randomScripts() {
  std::vector<Script> scripts;
  constexpr int starts = static_cast<int>(std::size(kRandomStarts));
  for (int i = 0; i < kRandomScripts; ++i) {
    const RandomStart& start = kRandomStarts[i % starts];
    std::vector<std::string> alphabet;
    std::istringstream words(start.alphabet);
    for (std::string word; words >> word;) alphabet.push_back(word);
    Lcg lcg(0x4B4F4C5641524400ULL + static_cast<std::uint64_t>(i));
    std::string keys = start.prefix;
    const int length = 10 + lcg.below(11);
    for (int k = 0; k < length; ++k) {
      keys += (keys.empty() ? "" : " ") + alphabet[lcg.below(static_cast<int>(alphabet.size()))];
    }
    char name[16];
    std::snprintf(name, sizeof name, "random-%02d", i);
    scripts.push_back({name, keys, start.screen, {}});
  }
  return scripts;
}

std::vector<Script> allScripts() {
  std::vector<Script> scripts = writtenScripts();
  for (Script& s : randomScripts()) scripts.push_back(std::move(s));
  std::set<std::string> seen;
  for (Script& s : scripts) {
    const bool plain = !s.name.empty() && std::all_of(s.name.begin(), s.name.end(), [](char c) {
      return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
    if (!plain && s.error.empty()) s.error = "a name is small letters, digits and '-'";
    if (!seen.insert(s.name).second) {
      s.error = "a second script named " + s.name;
      s.name += "-again";
    }
  }
  return scripts;
}

// SOURCE_DATE_EPOCH fixes the date printed on the pages while the guard lives.
class FixedPageDate {
 public:
  FixedPageDate() {
    if (const char* old = std::getenv("SOURCE_DATE_EPOCH")) old_ = old;
    ::setenv("SOURCE_DATE_EPOCH", "1457308800", 1);
  }
  ~FixedPageDate() {
    if (old_) {
      ::setenv("SOURCE_DATE_EPOCH", old_->c_str(), 1);
    } else {
      ::unsetenv("SOURCE_DATE_EPOCH");
    }
  }
  FixedPageDate(const FixedPageDate&) = delete;
  FixedPageDate& operator=(const FixedPageDate&) = delete;

 private:
  std::optional<std::string> old_;
};

// The program shows the directory it prints into on the screen, so every run of a script prints
// into the same one, whatever the build tree and the temporary directory:
// /tmp/kolvard-corpus/NAME. A lock on it keeps two runs of one script apart (two build trees,
// two people on one machine); what a run leaves there is removed before and after it.
class RunDirectory {
 public:
  explicit RunDirectory(const std::string& name) : path_(fs::path("/tmp/kolvard-corpus") / name) {
    std::error_code ec;
    fs::create_directories(path_.parent_path(), ec);
    // Shared like /tmp itself: anyone makes a directory there, only its owner removes it.
    fs::permissions(path_.parent_path(), fs::perms::all | fs::perms::sticky_bit,
                    fs::perm_options::add, ec);
    fs::create_directory(path_, ec);
    fd_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) {
      error_ = "cannot make and lock " + path_.string() + ": " + std::strerror(errno);
      return;
    }
    empty();
  }
  ~RunDirectory() {
    if (fd_ < 0) return;
    empty();
    ::close(fd_);  // and the lock goes
  }
  RunDirectory(const RunDirectory&) = delete;
  RunDirectory& operator=(const RunDirectory&) = delete;
  const fs::path& path() const { return path_; }
  const std::string& error() const { return error_; }
  std::string file(int step, const char* extension) const {
    char name[32];
    std::snprintf(name, sizeof name, "%03d.%s", step, extension);
    return (path_ / name).string();
  }

 private:
  void empty() const {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(path_, ec)) fs::remove_all(entry.path(), ec);
  }
  fs::path path_;
  int fd_ = -1;
  std::string error_;
};

// The headless backend, which also tells the beeps of each key: the program asks for the next
// key when it is done with the one before.
class CountingPlatform : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;
  KeyString waitKey() override {
    asked_.push_back(beeps());
    return HeadlessPlatform::waitKey();
  }
  // The beeps of key `k` (from 0), "-" for a key the program did not take.
  std::string beepsOf(std::size_t k) const {
    if (k + 1 >= asked_.size()) return "-";
    return std::to_string(asked_[k + 1] - asked_[k]);
  }

 private:
  std::vector<int> asked_;
};

// One line a step, "STEP KEY PIXELS DUMP BEEPS" (PIXELS and DUMP "-" for a shot or dump the run
// did not make, as after the program ended), then "files NAME SIZE HASH" for each file written.
struct Recording {
  std::vector<std::string> lines;
  std::set<std::string> screens;  // the screens the dumps name
  std::string text() const {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
  }
};

// Runs the keys as `kolvard --headless` would, with a shot and a dump after every key, in `dir`
// (settings file and printed pages) on the sample data file, and records what it did.
Recording record(const RunDirectory& dir, const std::vector<std::string>& tokens) {
  std::string script;
  for (int step = 0; step < static_cast<int>(tokens.size()); ++step) {
    script += tokens[static_cast<std::size_t>(step)] + " shot:" + dir.file(step, "png") +
              " state:" + dir.file(step, "json") + " ";
  }
  std::string error;
  auto steps = parseKeyScript(script, &error);
  if (!steps) {
    ADD_FAILURE() << error;
    return {};
  }
  std::ostringstream log, console;
  CountingPlatform platform(std::move(*steps), &log);
  ProgramRun run;
  platform.setStateProvider([&run] { return stateDumpJson(run.state); });
  ProgramPaths paths;
  paths.dataFile = KOLVARD_SAMPLE_DATA;
  paths.settings.file = dir.path() / "KOL703.CFG";
  paths.settings.scratch = dir.path() / "KOL703.XXX";
  paths.outputDirectory = dir.path();
  const int status = runProgram(platform, run, paths, console, false);
  EXPECT_EQ(status, 0) << console.str() << log.str();
  EXPECT_TRUE(platform.allWritten()) << log.str();

  Recording rec;
  std::set<fs::path> own;
  for (int step = 0; step < static_cast<int>(tokens.size()); ++step) {
    const fs::path shot = dir.file(step, "png");
    const fs::path dump = dir.file(step, "json");
    own.insert(shot);
    own.insert(dump);
    std::string pixels = "-", dumpHash = "-";
    if (const auto image = readPng(shot)) pixels = pixelHash(*image);
    if (fs::exists(dump)) {
      const std::string text = test::readFile(dump);
      dumpHash = hashOf(text);
      const auto json = nlohmann::json::parse(text, nullptr, false);
      if (json.is_object() && json.contains("screen") && json["screen"].is_string()) {
        rec.screens.insert(json["screen"].get<std::string>());
      }
    }
    rec.lines.push_back(std::to_string(step) + " " + tokens[static_cast<std::size_t>(step)] + " " +
                        pixels + " " + dumpHash + " " +
                        platform.beepsOf(static_cast<std::size_t>(step)));
  }
  std::vector<fs::path> written;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    if (entry.is_regular_file() && !own.count(entry.path())) written.push_back(entry.path());
  }
  std::sort(written.begin(), written.end());
  for (const fs::path& file : written) {
    const std::string bytes = test::readFile(file);
    rec.lines.push_back("files " + fs::relative(file, dir.path()).generic_string() + " " +
                        std::to_string(bytes.size()) + " " + hashOf(bytes));
  }
  return rec;
}

std::vector<std::string> readLines(const fs::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// How the files a run wrote differ from the recorded ones, a line each; "" when they do not.
std::string fileDifferences(const std::vector<std::string>& expected,
                            const std::vector<std::string>& actual) {
  std::map<std::string, std::string> before, after;  // file name -> size and hash
  for (const auto& [lines, files] : {std::pair{&expected, &before}, std::pair{&actual, &after}}) {
    for (const std::string& line : *lines) {
      const auto w = words(line);
      if (w.size() == 4 && w[0] == "files") (*files)[w[1]] = w[2] + " bytes, hash " + w[3];
    }
  }
  std::string said;
  for (const auto& [name, what] : before) {
    if (!after.count(name)) {
      said += "\n  " + name + " was not written";
    } else if (after[name] != what) {
      said += "\n  " + name + " differs: " + after[name] + ", recorded " + what;
    }
  }
  for (const auto& [name, what] : after) {
    if (!before.count(name)) said += "\n  " + name + " was written too (" + what + ")";
  }
  return said;
}

// What differs between the recording and the run, said for a person: the first step that
// differs (its number, key and what differed), then the files. `step` is that step, or -1.
std::string difference(const std::vector<std::string>& expected,
                       const std::vector<std::string>& actual, int* step) {
  *step = -1;
  const auto steps = [](const std::vector<std::string>& lines) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [](const auto& l) { return l.rfind("files ", 0) != 0; }));
  };
  const std::size_t expectedSteps = steps(expected), actualSteps = steps(actual);
  std::string said;
  for (std::size_t i = 0; i < std::min(expectedSteps, actualSteps) && said.empty(); ++i) {
    if (expected[i] == actual[i]) continue;
    const auto e = words(expected[i]), a = words(actual[i]);
    if (e.size() != 5 || a.size() != 5 || e[1] != a[1]) {
      return "line " + std::to_string(i + 1) + " is \"" + actual[i] + "\", the recording \"" +
             expected[i] + "\": the script changed since it was recorded";
    }
    *step = static_cast<int>(i);
    std::vector<std::string> what;
    if (e[2] != a[2]) {
      what.push_back(e[2] == "-" || a[2] == "-" ? "whether a screenshot was taken"
                                                : "the screenshot");
    }
    if (e[3] != a[3]) {
      what.push_back(e[3] == "-" || a[3] == "-" ? "whether a state dump was written"
                                                : "the state dump");
    }
    if (e[4] != a[4]) what.push_back("the beeps (" + a[4] + ", recorded " + e[4] + ")");
    said = "step " + e[0] + " (key " + e[1] + "):";
    for (std::size_t w = 0; w < what.size(); ++w) said += (w == 0 ? " " : " and ") + what[w];
    said += what.size() == 1 && e[4] == a[4] ? " differs" : " differ";
  }
  if (said.empty() && expectedSteps != actualSteps) {
    return "the run has " + std::to_string(actualSteps) + " steps, the recording " +
           std::to_string(expectedSteps) + ": the script changed since it was recorded";
  }
  if (const std::string files = fileDifferences(expected, actual); !files.empty()) {
    said += (said.empty() ? "" : "\n") + std::string("the files written differ:") + files;
  }
  return said.empty() ? "the recording is malformed" : said;
}

void writeText(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

class BehaviourCorpus : public ::testing::TestWithParam<Script> {};

TEST_P(BehaviourCorpus, RunMatchesItsRecording) {
  const Script& script = GetParam();
  ASSERT_TRUE(script.error.empty()) << script.name << ": " << script.error;
  std::string error;
  const std::vector<std::string> tokens = keyTokens(script.keys, &error);
  ASSERT_TRUE(error.empty()) << script.name << ": " << error;

  const FixedPageDate date;
  const RunDirectory dir(script.name);
  ASSERT_TRUE(dir.error().empty()) << dir.error();
  const Recording rec = record(dir, tokens);
  EXPECT_TRUE(rec.screens.count(script.screen))
      << script.name << " never reaches the screen " << script.screen;

  const fs::path expected = expectedDir() / (script.name + ".txt");
  const fs::path actual = actualDir() / (script.name + "-ACTUAL.txt");
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(actualDir(), ec)) {
    if (entry.path().filename().string().rfind(script.name + "-ACTUAL", 0) == 0) {
      fs::remove(entry.path(), ec);  // what an earlier run left
    }
  }
  if (updating()) {
    writeText(expected, rec.text());
  } else if (!fs::exists(expected)) {
    writeText(expected, rec.text());
    ADD_FAILURE() << script.name << ": no recording " << expected
                  << ": wrote the candidate; look at it and commit it";
  } else if (const auto lines = readLines(expected); lines != rec.lines) {
    int step = -1;
    const std::string what = difference(lines, rec.lines, &step);
    writeText(actual, rec.text());
    std::string kept;
    if (step >= 0) {
      for (const char* extension : {"png", "json"}) {
        const fs::path from = dir.file(step, extension);
        const fs::path to = actualDir() / (script.name + "-ACTUAL-" + from.filename().string());
        if (fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec)) {
          kept += " and " + to.filename().string();
        }
      }
    }
    ADD_FAILURE() << script.name << ": " << what << "\nwrote " << actual << kept;
  }
}

INSTANTIATE_TEST_SUITE_P(, BehaviourCorpus, ::testing::ValuesIn(allScripts()),
                         [](const ::testing::TestParamInfo<Script>& c) {
                           std::string name = c.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// A recording whose script is gone (renamed, or fewer random scripts) would never be looked at
// again; when recording anew it is removed.
TEST(BehaviourCorpusRecordings, EachBelongsToAScript) {
  std::set<std::string> names;
  for (const Script& s : allScripts()) names.insert(s.name + ".txt");
  for (const auto& entry : fs::directory_iterator(expectedDir())) {
    const std::string name = entry.path().filename().string();
    if (names.count(name)) continue;
    if (updating()) {
      fs::remove(entry.path());
    } else {
      ADD_FAILURE() << entry.path() << " belongs to no script of the corpus";
    }
  }
}

}  // namespace KOLVARD_TEST_UNIT
}  // namespace kolvard
