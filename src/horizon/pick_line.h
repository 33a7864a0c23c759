#pragma once
// Picks made on a section: one click tracked along the whole line, a dragged
// or rubber-band segment, or the whole section guided by the previously
// shown one. Every gesture writes its cells and the registration before it
// returns.
#include "horizon/pick_environment.h"
#include "horizon/pick_section.h"
#include "horizon/pick_settings.h"

namespace quarrix {

// Tracking directions of one gesture; "right" is the screen's right.
enum class TrackDirection { Both = 12, Right = 10, Left = 11 };

struct PickGesture {
  // Positions: trace numbers on in-lines, line numbers on cross-lines,
  // ordinals on arbitrary lines; times are displayed times in ms.
  int start_position = 0, start_time = 0;
  int end_position = 0, end_time = 0;
  TrackDirection direction = TrackDirection::Both;
  int pick_style = kPickStyleEntireLine;
  bool left_to_right = true;  // how the section is drawn
  // "Pick From Previous": the section shown before, as a guide.
  const PickSection* previous = nullptr;
  // The flatten table when the section is flattened (displayed = real + shift).
  const HorizonGrid* flatten = nullptr;
};

enum class PickOutcome {
  Picked,          // cells written (possibly none changed)
  OutsideZoom,     // the section lies outside the zoom window: beep
  NoRegistration,  // "Pick Registration Failed" was shown
  Failed,          // the horizon could not be read or written (said)
};

PickOutcome PickLine(const PickEnvironment& env, const PickSection& section,
                     const PickGesture& gesture);

}  // namespace quarrix
