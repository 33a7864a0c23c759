#pragma once
// The colour menu's file commands of the plot windows: "OPEN COLOR FILE" and
// "SAVE COLOR FILE" over a window's colour bar, asking through the Prompter.
#include <string>

#include "section/colour_bar.h"

namespace quarrix {

class Prompter;

// Amplitude bars (the trace plot, amplitude horizons) use ".aco" files,
// horizon time bars ".col" files.
enum class ColourFileKind { Amplitude = 0, HorizonTime = 1 };

// A bar with the name it is shown under: the file it was loaded from or saved
// to, or "Default Colors".
struct NamedColourBar {
  ColourBar bar{};
  std::string name;
};

// Sets the default bar and its name ("&Default Colors").
void UseDefaultColours(NamedColourBar& colours);

// Asks for a colour file (the kind's filter first, starting in the project
// folder) and loads it over the bar. True when loaded; the trace plot then
// sets its "Color Trace Gain" back to 1. On failure the user is told "Cannot
// OPEN Horizon Color File!" and the bar stays as it was.
bool OpenColourFileWithDialog(NamedColourBar& colours, ColourFileKind kind,
                              const std::string& project_folder, Prompter& prompter);

// Asks where to save the bar and writes its 648-byte record. The proposed
// name is the current horizon's with ".col" for time bars, the first listed
// horizon's with ".aco" for amplitude bars (either may be empty). After a
// save the first listed horizon's time colour scheme is set back to its own
// colour files. An existing file that is not a colour file is never
// replaced. True when saved.
bool SaveColourFileWithDialog(NamedColourBar& colours, ColourFileKind kind,
                              const std::string& project_folder,
                              const std::string& current_horizon_path,
                              const std::string& first_horizon_path, Prompter& prompter);

}  // namespace quarrix
