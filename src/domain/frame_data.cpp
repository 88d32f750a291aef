#include "domain/frame_data.hpp"

#include <algorithm>

#include "data/inverted_record.hpp"

namespace kolvard {
namespace {

constexpr std::size_t kRecordLength = 18;
constexpr std::size_t kBlockNameLength = 8;

std::string paddedName(std::string_view name) {
  std::string out(name.substr(0, std::min(name.size(), kBlockNameLength)));
  out.resize(kBlockNameLength, ' ');
  return out;
}

// The number written from `from` on (leading blanks skipped); -1 when no digit follows.
int numberAt(std::string_view record, std::size_t from, std::size_t to) {
  to = std::min(to, record.size());
  while (from < to && record[from] == ' ') ++from;
  int n = -1;
  for (; from < to && record[from] >= '0' && record[from] <= '9'; ++from) {
    n = (n < 0 ? 0 : n) * 10 + (record[from] - '0');
    if (n > 9999) return 9999;
  }
  return n;
}

// Rows are ten positions; the panes A (1..100) and B (101..200) move alike.
void turnKinds(TwoColourFields& f, int first, int last, bool halfTurn) {
  for (int i = first; i <= last; ++i) {
    TwoColourField& field = f[i];
    switch (field.kind()) {
      case ' ':
        field.setKind(halfTurn ? 'O' : kDownArrowKind);
        break;
      case 'O':
        if (halfTurn) field.setKind(' ');
        break;
      case kDownArrowKind:
        if (!halfTurn) field.setKind(' ');
        break;
      case 'T':
        field.setKind('U');
        break;
      case 'U':
        field.setKind('T');
        break;
      default:
        break;
    }
  }
}

}  // namespace

FrameBlockReference parseFrameBlockReference(std::string_view characters) {
  std::string name(characters);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  FrameBlockReference ref;
  if (!name.empty() && name.back() == 'A') {
    name.pop_back();
  } else if (!name.empty() && name.back() == 'B') {
    name.pop_back();
    ref.fromPaneB = true;
  }
  ref.block = paddedName(name);
  return ref;
}

void applyFrameTransform(int number, TwoColourFields& frames) {
  if (number != 0 && (number < 2 || number > 10)) return;
  const TwoColourFields old = frames;
  TwoColourFields& f = frames;
  switch (number) {
    case 0:
      f.clear();
      break;
    case 2:
      for (int i = 1; i <= 100; ++i) f[i] = old[101 - i];
      for (int i = 101; i <= 200; ++i) f[i] = old[301 - i];
      turnKinds(f, 1, 200, true);
      break;
    case 3:
      for (int i = 1; i <= 10; ++i) {
        f[i] = old[i + 90];
        f[i + 90] = old[i];
        f[i + 100] = old[i + 190];
        f[i + 190] = old[i + 100];
      }
      break;
    case 4:
      for (int i = 1; i <= 10; ++i) {
        f[i + 10] = old[i + 90];
        f[i + 90] = old[i + 10];
        f[i + 110] = old[i + 190];
        f[i + 190] = old[i + 110];
      }
      break;
    case 5:
      for (int i = 1; i <= 10; ++i) {
        f[i] = old[i + 90];
        f[i + 100] = old[i + 190];
      }
      for (int i = 1; i <= 90; ++i) {
        f[i + 10] = old[i];
        f[i + 110] = old[i + 100];
      }
      break;
    case 6:
      for (int i = 1; i <= 10; ++i) {
        f[i + 90] = old[i];
        f[i + 190] = old[i + 100];
      }
      for (int i = 1; i <= 90; ++i) {
        f[i] = old[i + 10];
        f[i + 100] = old[i + 110];
      }
      break;
    case 7:
      for (int i = 21; i <= 30; ++i) {
        f[i + 70] = old[i];
        f[i + 170] = old[i + 100];
      }
      for (int i = 21; i <= 90; ++i) {
        f[i] = old[i + 10];
        f[i + 100] = old[i + 110];
      }
      break;
    case 8:
      for (int i = 21; i <= 30; ++i) {
        f[i + 70] = old[i + 10];
        f[i + 170] = old[i + 100];
      }
      for (int i = 31; i <= 90; ++i) f[i] = old[i + 10];
      for (int i = 21; i <= 90; ++i) f[i + 100] = old[i + 110];
      break;
    case 9:
      for (int i = 1; i <= 10; ++i) {
        f[i + 90] = old[101 - i];
        f[i + 190] = old[201 - i];
      }
      break;
    case 10:
      turnKinds(f, 91, 100, false);
      turnKinds(f, 191, 200, false);
      break;
    default:
      break;
  }
}

FrameData::FrameData(const DataFile& file, const SectionRef& section) {
  if (!section.found()) return;
  const auto bytes = file.sectionBytes(section);
  for (std::size_t at = 0; at + kRecordLength <= bytes.size(); at += kRecordLength) {
    std::string record = decodeInvertedRecord(bytes.subspan(at, kRecordLength));
    if (record[0] == '^' && (record[1] == 'F' || record[1] == 'f')) break;
    if (record[0] == 'E') blockStart_.try_emplace(paddedName(record.substr(1)), records_.size());
    records_.push_back(std::move(record));
  }
}

bool FrameData::knowsBlock(std::string_view block) const {
  return blockStart_.contains(paddedName(block));
}

std::size_t FrameData::blockEnd(std::size_t blockRecord) const {
  std::size_t i = blockRecord + 1;
  while (i < records_.size() && records_[i][0] != 'E') ++i;
  return i;
}

void FrameData::applyRecord(std::size_t index, SheetLayout layout, TwoColourFields& frames) const {
  const std::string& r = records_[index];
  const std::string_view field = std::string_view(r).substr(6);
  const char first = r[0];
  if (first == 'X') {
    const int number = numberAt(r, 1, r.size());
    if (number >= 0) applyFrameTransform(number, frames);
  } else if (first >= '1' && first <= '9') {
    const int n = numberAt(r, 0, 3);
    frames[n >= 1 && n <= kTwoColourPositions ? n : 0] = TwoColourField::fromText(field);
  } else if (first == 'A' || first == 'B') {
    const int n = numberAt(r, 1, 4);
    int at = n >= 1 && n <= 100 ? n : 0;
    if (first == 'B' && at > 0 && layout != SheetLayout::OnePaneFromB) at += 100;
    frames[at] = TwoColourField::fromText(field);
  }
}

bool FrameData::framesOf(std::string_view block, SheetLayout layout,
                         TwoColourFields& frames) const {
  frames.clear();
  const auto it = blockStart_.find(paddedName(block));
  if (it == blockStart_.end()) return false;
  const std::size_t end = blockEnd(it->second);
  for (std::size_t i = 0; i < end; ++i) applyRecord(i, layout, frames);
  return true;
}

const TwoColourFields& FrameWalk::framesOf(std::string_view block, SheetLayout layout) {
  const std::string name = paddedName(block);
  if (known_ && name == block_ && layout == layout_) return frames_;
  const auto it = data_->blockStart_.find(name);
  if (it == data_->blockStart_.end()) {
    frames_.clear();
    known_ = false;
    block_.clear();
    applied_ = 0;
    return frames_;
  }
  const std::size_t end = data_->blockEnd(it->second);
  if (!known_ || layout != layout_ || end < applied_) {
    frames_.clear();
    applied_ = 0;
  }
  for (; applied_ < end; ++applied_) data_->applyRecord(applied_, layout, frames_);
  known_ = true;
  block_ = name;
  layout_ = layout;
  return frames_;
}

}  // namespace kolvard
