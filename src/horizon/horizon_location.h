#pragma once
// Where a horizon's files are: the horizon file and the project folder that
// holds its registration and colour files (whatever folder the horizon name
// carries), plus the workspace state that names horizons: the open-horizon
// list and the zoom window.
#include <string>
#include <vector>

#include "project/survey_header.h"

namespace quarrix {

struct HorizonLocation {
  std::string project_folder;
  std::string path;  // the horizon file as given (relative names resolve in the project folder)

  // The horizon's base name (file name without its extension).
  std::string BaseName() const;
  // A file in the project folder with the horizon's base name and an
  // extension: ".hop", ".col"... An existing file whose name differs only in
  // case is taken as it is on disk.
  std::string Companion(const std::string& extension) const;
  // Whether the horizon file lies in the project folder, beside its companions.
  bool InProjectFolder() const;
  // "" when it does, else why the horizon cannot be made or edited there.
  std::string OutsideProjectProblem() const;
};

// A horizon name given relative to the project folder (or absolute).
HorizonLocation LocateHorizon(const std::string& project_folder, const std::string& name);

// The part of the survey picking, autopicking and bulk edits work on, as
// line and trace numbers.
struct ZoomWindow {
  int first_line = 0, last_line = 0, first_trace = 0, last_trace = 0;
};
ZoomWindow FullSurveyZoom(const SurveyHeader& header);

// Index bounds of a zoom window, clamped to the grid: rows first_row..last_row
// (inclusive) and columns first_column..last_column. Empty when last < first.
struct IndexArea {
  int first_row = 0, last_row = -1, first_column = 0, last_column = -1;
  bool Empty() const { return last_row < first_row || last_column < first_column; }
  bool Contains(int row, int column) const {
    return row >= first_row && row <= last_row && column >= first_column && column <= last_column;
  }
};
// Bounds are converted to indexes by the increments, so surveys whose line or
// trace increment is not 1 work on the right cells.
IndexArea ZoomIndexArea(const SurveyHeader& header, const ZoomWindow& zoom);

// The horizons open in the pick-edit workspace: at most 49 names, and the
// current one (-1 for none).
struct OpenHorizonList {
  static constexpr std::size_t kMaxEntries = 49;
  std::vector<std::string> names;
  int current = -1;

  // Copies names in order, stopping at 49; the first becomes current.
  void Open(const std::vector<std::string>& selected);
  // Appends a name (when there is room) and makes it current.
  bool Append(const std::string& name);
  const std::string* Current() const;
};

// The "*.hor" files of a folder, names as they are on disk, sorted; the
// extension matches without regard to case.
std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension);

}  // namespace quarrix
