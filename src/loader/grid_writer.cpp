#include "loader/grid_writer.h"

#include "loader/project_output.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/amp_file.h"

namespace quarrix {

bool GridWriter::Prepare(const char* label, Progress& progress) {
  if (!maxima_.Allocate(header_.num_lines, header_.traces_per_line)) {
    prompter_.Tell("Unable to allocate storage for **2dmatrix", "", MessageIcon::Error);
    return false;
  }
  progress.SetLabel(label);
  if (!output_.PreFill(header_)) {
    prompter_.Tell("Disk Full", "", MessageIcon::Error);
    return false;
  }
  return true;
}

GridWriter::Placed GridWriter::Put(const LineTrace& position, float maximum,
                                   const std::int16_t* samples) {
  std::optional<GridCell> cell = PlaceTrace(header_, position);
  if (!cell) return Placed::Skipped;
  maxima_.At(cell->line_index, cell->trace_index) = maximum;
  if (WriteTrace(output_.amp(), header_, samples, cell->line_index, cell->trace_index,
                 header_.trace_bytes) == 0)
    return Placed::Written;
  prompter_.Tell("Disk Full: the trace file " + output_.amp_path() + " could not be written", "",
                 MessageIcon::Error);
  return Placed::Failed;
}

bool GridWriter::ScaleAndCommit(const ScaleStats& stats, bool no_scaling, LoadDecisions& decisions,
                                const char* label, Progress& progress) {
  if (!no_scaling) {
    std::optional<double> used = AskScaleValue(stats, decisions);
    if (used && !UsableScale(used, stats, prompter_)) return false;
    // With nothing but zero traces there is nothing to scale.
    if (used && stats.overall_max != 0.0 &&
        !RescaleTraces(output_.amp(), header_, maxima_, *used, label, progress)) {
      prompter_.Tell("The trace file " + output_.amp_path() + " could not be rescaled", "",
                     MessageIcon::Error);
      return false;
    }
  }
  return output_.Commit(header_, prompter_);
}

bool UsableScale(const std::optional<double>& used, const ScaleStats& stats, Prompter& prompter) {
  if (!used) return false;
  if (!(*used > 0.0) && stats.overall_max != 0.0) {
    prompter.Tell(FormatText("Scale value %f is not above 0", *used), "Error", MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace quarrix
