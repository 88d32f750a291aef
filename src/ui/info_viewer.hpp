// The information viewer: a text section of 160-character lines shown over the whole window,
// scrolled with the arrow keys, PgUp/PgDn, Home and End; leaving puts back exactly what was
// on the screen before.
#pragma once

#include <string>

#include "data/data_file.hpp"
#include "ui/key_input.hpp"
#include "ui/screen.hpp"

namespace kolvard {

inline constexpr int kInfoLineLength = 160;
inline constexpr int kInfoPageLines = 36;

enum class ViewerMode : int { General = 1, Edition = 2 };

struct ViewerState {
  bool active = false;
  ViewerMode mode = ViewerMode::General;
  int topLine = 0;
  int maxTop = 0;
};

// The highest first line: (end - start) / 160 - 36 rounded to nearest, never below 0 so that a
// short text cannot scroll to bytes before its section.
int viewerMaxTop(const SectionRef& text);

// Line n of a text section (160 bytes, or fewer/none where the section or file ends).
std::string infoLine(const DataFile& file, const SectionRef& text, int line);

// Line n of a text section as the screens' help lines show it: from its fifth character, at
// most 156 characters, without trailing padding.
std::string infoTextLine(const DataFile& file, const SectionRef& text, int line);

// Draws one page of the viewer at `state.topLine`.
void drawInformationPage(Screen& screen, const DataFile& file, const SectionRef& text,
                         const ViewerState& state);

// Runs the viewer until Enter or Esc and restores the screen.
void showInformation(Screen& screen, KeyInput& keys, const DataFile& file, const SectionRef& text,
                     ViewerMode mode, ViewerState& state);

}  // namespace kolvard
