// The two-coloured composite screen's own state, kept between visits: ovals or frames, and
// each kind's place while the other is shown, with what it last showed for the state dump.
#pragma once

#include <string>

namespace kolvard {

class JsonObject;

enum class CompositeKind { Ovals = 1, Frames = 2 };

struct TwoColourCompositesState {
  CompositeKind kind = CompositeKind::Ovals;  // ovals on first use
  int ovalSeries = 1;
  int ovalComposite = 1;
  int setting = 0;  // stored setting code; 0 until a printing gave one
  int frameComposite = 1;

  // The composite shown.
  int count = 0;            // n: the count byte of composite 1 (or the restriction's)
  int firstAllowed = 1;     // above 1 for a setting a printing used only in part
  bool restricted = false;  // the printing's restriction applies
  std::string paneNote;     // " (kun B-ark)" while restricted, else empty
  std::string period;       // "1", "2" or "" for a setting used in one period
  std::string sectionName;  // of the composite shown
  bool found = false;       // its section was found
  std::string typeName;     // of an oval composite, without "TYPE "
  int seriesCount = 1;      // oval series of the value

  // What a change resets against.
  std::string lastOvalSeriesSection;  // composite 1 of the oval series shown last
  std::string lastFrameFlaw;          // the frame flaw number at the last visit
};

// "tcComposites" in the state dump.
void writeTwoColourCompositesDump(JsonObject& dump, const TwoColourCompositesState& state);

}  // namespace kolvard
