#include "data/container_check.hpp"

#include <algorithm>
#include <unordered_map>

namespace kolvard {
namespace {

constexpr std::int64_t kGroupEntrySize = 6;
constexpr std::int64_t kNameEntrySize = 10;

bool isBlank(std::span<const std::uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == ' '; });
}

std::string trimmedName(std::span<const std::uint8_t> bytes) {
  std::string name(bytes.begin(), bytes.end());
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

class DirectoryWalk {
 public:
  explicit DirectoryWalk(const DataFile& data) : data_(data) {}

  std::vector<ContainerProblem> run() {
    std::int64_t pos = 0;
    for (;; pos += kGroupEntrySize) {
      const auto entry = data_.readBytes(pos, kGroupEntrySize);
      if (entry.size() < kGroupEntrySize) {
        report(pos, "",
               "the group directory runs to the end of the file without its closing entry");
        break;
      }
      if (isBlank(entry)) break;
      walkGroup(pos, trimmedName(entry.first(2)), *data_.readInt32(pos + 2));
    }
    return std::move(problems_);
  }

 private:
  void report(std::int64_t offset, std::string section, std::string what) {
    problems_.push_back({offset, std::move(section), std::move(what)});
  }

  void walkGroup(std::int64_t groupEntry, const std::string& group, std::int32_t directory) {
    if (directory < 0 || directory >= data_.size()) {
      report(groupEntry, group,
             "the name directory of group " + group + " starts at " + std::to_string(directory) +
                 ", outside the file of " + std::to_string(data_.size()) + " bytes");
      return;
    }
    for (std::int64_t pos = directory;; pos += kNameEntrySize) {
      // Name lists of different groups never share entries; a walk that meets another
      // group's entries would read that list again (and again, for a crafted file).
      const auto [seen, fresh] = owner_.try_emplace(pos, group);
      if (!fresh) {
        report(pos, group,
               "the name directory of group " + group + " runs into that of group " + seen->second);
        return;
      }
      const auto entry = data_.readBytes(pos, kNameEntrySize);
      if (entry.size() < kNameEntrySize) {
        report(pos, group,
               "the name directory of group " + group +
                   " runs to the end of the file without its closing entry");
        return;
      }
      if (isBlank(entry.first(6))) return;
      const std::string name = group + trimmedName(entry.first(6));
      const auto next = data_.readBytes(pos + kNameEntrySize, kNameEntrySize);
      if (next.size() < kNameEntrySize) {
        report(pos, name, "the section has no closing entry: the file ends in the directory");
        return;
      }
      const std::int64_t start = *data_.readInt32(pos + 6);
      const std::int64_t end = *data_.readInt32(pos + kNameEntrySize + 6);
      checkSpan(pos, name, start, end);
    }
  }

  void checkSpan(std::int64_t entry, const std::string& name, std::int64_t start,
                 std::int64_t end) {
    const std::int64_t size = data_.size();
    const std::string span = std::to_string(start) + ".." + std::to_string(end);
    if (start < 0 || start > size || end < 0 || end > size) {
      report(
          entry, name,
          "the section " + span + " lies outside the file of " + std::to_string(size) + " bytes");
    } else if (end < start) {
      report(entry, name, "the section " + span + " ends before it starts");
    }
  }

  const DataFile& data_;
  std::unordered_map<std::int64_t, std::string> owner_;
  std::vector<ContainerProblem> problems_;
};

}  // namespace

std::vector<ContainerProblem> checkContainer(const DataFile& data) {
  return DirectoryWalk(data).run();
}

}  // namespace kolvard
