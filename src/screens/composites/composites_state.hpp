// The composite-cliché screen's own state, kept between visits, with what the state dump
// shows of it.
#pragma once

#include <string>

#include "domain/composite_picture.hpp"

namespace kolvard {

class JsonObject;

struct CompositesState {
  CompositeSet set = CompositeSet::Composites;  // "F" on every entry
  int series = 1;
  int seriesCount = 1;  // of the value's composites
  int composite = 1;    // shown last; where the next visit starts
  int count = 0;        // the count byte of composite 1 of the set and series
  std::string typeName;
  bool found = false;  // the section of the composite shown was found

  // Shown last: a change of set or series starts at composite 1.
  CompositeSet lastSet = CompositeSet::Composites;
  int lastSeries = -1;
  // Each set's place while the other is shown ("M" and "C").
  int savedSeries = 1, savedComposite = 1;  // the "F" set's, while the types are shown
  int savedTypeComposite = 1;               // the types' composite, while the "F" set is shown
};

// "composites" in the state dump: set, series, number of series, composite, count, type name
// and whether the composite's section was found.
void writeCompositesDump(JsonObject& dump, const CompositesState& composites);

}  // namespace kolvard
