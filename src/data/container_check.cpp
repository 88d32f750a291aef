#include "data/container_check.hpp"

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>

#include "data/directory_layout.hpp"

namespace kolvard {
namespace {

using directory::isBlank;
using directory::kGroupEntrySize;
using directory::kGroupKeyBytes;
using directory::kNameBytes;
using directory::kNameEntrySize;

std::string trimmedName(std::span<const std::uint8_t> bytes) {
  std::string name(bytes.begin(), bytes.end());
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

class DirectoryWalk {
 public:
  explicit DirectoryWalk(const DataFile& data)
      : data_(data), entryBudget_(data.size() / kNameEntrySize + 1) {}

  std::vector<ContainerProblem> run() {
    for (std::int64_t pos = 0;; pos += kGroupEntrySize) {
      const auto entry = data_.readBytes(pos, kGroupEntrySize);
      if (entry.size() < kGroupEntrySize) {
        report(pos, "",
               "the group directory runs to the end of the file without its closing entry");
        break;
      }
      if (isBlank(entry)) {
        spans_.push_back({0, pos + kGroupEntrySize, pos, -1, true});
        break;
      }
      groups_.push_back(
          {pos, trimmedName(entry.first(kGroupKeyBytes)), *data_.readInt32(pos + kGroupKeyBytes)});
      listStarts_.push_back(groups_.back().directory);
    }
    std::sort(listStarts_.begin(), listStarts_.end());
    bool walked = true;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      if (!walkGroup(static_cast<std::int32_t>(g))) {
        walked = false;
        break;
      }
    }
    if (walked) checkOverlaps();
    return std::move(problems_);
  }

 private:
  void report(std::int64_t offset, std::string section, std::string what) {
    problems_.push_back({offset, std::move(section), std::move(what)});
  }

  bool isListStart(std::int64_t pos) const {
    return std::binary_search(listStarts_.begin(), listStarts_.end(), pos);
  }

  // Walks one group's name list; false when the walks together have read more entries than
  // the file can hold apart, that is, when name lists overlap without meeting at a start.
  bool walkGroup(std::int32_t groupIndex) {
    const std::int64_t groupEntry = groups_[static_cast<std::size_t>(groupIndex)].entry;
    const std::string& group = groups_[static_cast<std::size_t>(groupIndex)].key;
    const std::int32_t directory = groups_[static_cast<std::size_t>(groupIndex)].directory;
    if (directory < 0 || directory >= data_.size()) {
      report(groupEntry, group,
             "the name directory of group " + group + " starts at " + std::to_string(directory) +
                 ", outside the file of " + std::to_string(data_.size()) + " bytes");
      return true;
    }
    const auto [first, last] = std::equal_range(listStarts_.begin(), listStarts_.end(), directory);
    if (last - first > 1 && !sharedStartsReported_.insert(directory).second) {
      report(groupEntry, group,
             "the name directory of group " + group + " is that of another group");
      return true;
    }
    for (std::int64_t pos = directory;; pos += kNameEntrySize) {
      if (--entryBudget_ < 0) {
        report(pos, group, "the name directories overlap");
        return false;
      }
      if (pos != directory && isListStart(pos)) {
        report(pos, group,
               "the name directory of group " + group + " runs into that of another group");
        return true;
      }
      const auto entry = data_.readBytes(pos, kNameEntrySize);
      if (entry.size() < kNameEntrySize) {
        report(pos, group,
               "the name directory of group " + group +
                   " runs to the end of the file without its closing entry");
        return true;
      }
      if (isBlank(entry.first(kNameBytes))) {
        spans_.push_back({directory, pos + kNameEntrySize, groupEntry, groupIndex, true});
        return true;
      }
      if (data_.readBytes(pos + kNameEntrySize, kNameEntrySize).size() < kNameEntrySize) {
        report(pos, group + trimmedName(entry.first(kNameBytes)),
               "the section has no closing entry: the file ends in the directory");
        return true;
      }
      const std::int64_t start = *data_.readInt32(pos + kNameBytes);
      const std::int64_t end = *data_.readInt32(pos + kNameEntrySize + kNameBytes);
      const std::int64_t size = data_.size();
      const bool outside = start < 0 || start > size || end < 0 || end > size;
      if (outside || end < start) {
        const std::string span = std::to_string(start) + ".." + std::to_string(end);
        report(pos, group + trimmedName(entry.first(kNameBytes)),
               outside ? "the section " + span + " lies outside the file of " +
                             std::to_string(size) + " bytes"
                       : "the section " + span + " ends before it starts");
      } else if (end > start) {
        spans_.push_back({start, end, pos, groupIndex, false});
      }
    }
  }

  struct Group {
    std::int64_t entry;
    std::string key;
    std::int32_t directory;
  };

  // A directory, or a section that holds bytes, as it lies in the file. Names are read again
  // only for what is reported: a file holds tens of thousands of sections.
  struct Span {
    std::int64_t start;
    std::int64_t end;
    std::int64_t entry;  // of the section, or of the group whose directory it is
    std::int32_t group;  // index in groups_, -1 for the group directory
    bool directory;
  };

  // The section, or the group ("" for the group directory).
  std::string nameOf(const Span& s) const {
    if (s.group < 0) return {};
    const std::string& group = groups_[static_cast<std::size_t>(s.group)].key;
    if (s.directory) return group;
    return group + trimmedName(data_.readBytes(s.entry, kNameBytes));
  }

  std::string spanText(const Span& s) const {
    if (s.directory) {
      return s.group < 0 ? std::string("the group directory")
                         : "the name directory of group " + nameOf(s);
    }
    return "the section " + nameOf(s) + " " + std::to_string(s.start) + ".." +
           std::to_string(s.end);
  }

  // Every section that shares bytes with a directory or, other than by the very same start and
  // end (one section under two names), with another section: the spans sorted once and swept
  // once against the span that reaches furthest so far. Empty sections share nothing. Of two
  // sections the one in more overlaps is at fault (a start rewritten to an early byte makes
  // one section cover hundreds), else the one that starts later; of a directory and a
  // section, the section. Each section at fault is reported once.
  void checkOverlaps() {
    std::sort(spans_.begin(), spans_.end(), [](const Span& a, const Span& b) {
      return std::tie(a.start, a.end, b.directory) < std::tie(b.start, b.end, a.directory);
    });
    std::vector<std::pair<std::size_t, std::size_t>> overlaps;  // (earlier, later)
    std::vector<int> count(spans_.size(), 0);
    std::size_t reach = 0;
    for (std::size_t i = 0; i < spans_.size(); ++i) {
      const Span& s = spans_[i];
      if (i > 0 && s.start < spans_[reach].end) {
        const Span& r = spans_[reach];
        const bool shared = !s.directory && !r.directory && s.start == r.start && s.end == r.end;
        if (!shared && !(s.directory && r.directory)) {  // directories are checked by the walk
          overlaps.emplace_back(reach, i);
          ++count[reach];
          ++count[i];
        }
      }
      if (i == 0 || s.end > spans_[reach].end) reach = i;
    }
    struct Fault {
      std::size_t other;
      int overlaps = 0;
    };
    std::vector<std::optional<Fault>> faults(spans_.size());
    for (const auto& [earlier, later] : overlaps) {
      const bool earlierAtFault =
          spans_[later].directory || (!spans_[earlier].directory && count[earlier] > count[later]);
      const std::size_t at = earlierAtFault ? earlier : later;
      const std::size_t other = earlierAtFault ? later : earlier;
      if (!faults[at]) faults[at] = Fault{other, 0};
      ++faults[at]->overlaps;
    }
    for (std::size_t i = 0; i < spans_.size(); ++i) {
      if (!faults[i]) continue;
      const Span& s = spans_[i];
      const Span& other = spans_[faults[i]->other];
      std::string what = spanText(s) +
                         (s.start >= other.start ? " starts inside " : " runs into ") +
                         spanText(other);
      if (faults[i]->overlaps > 1) {
        what += " and overlaps " + std::to_string(faults[i]->overlaps - 1) + " more";
      }
      report(s.entry, nameOf(s), std::move(what));
    }
  }

  const DataFile& data_;
  std::int64_t entryBudget_;
  std::vector<Group> groups_;
  std::vector<Span> spans_;
  std::vector<std::int64_t> listStarts_;
  std::set<std::int64_t> sharedStartsReported_;  // name lists walked that other groups share
  std::vector<ContainerProblem> problems_;
};

}  // namespace

std::vector<ContainerProblem> checkContainer(const DataFile& data) {
  return DirectoryWalk(data).run();
}

}  // namespace kolvard
