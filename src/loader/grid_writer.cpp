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
    prompter_.Tell(output_.FailureText(), "", MessageIcon::Error);
    return false;
  }
  return true;
}

GridWriter::Placed GridWriter::Put(const LineTrace& position, float maximum,
                                   const std::int16_t* samples) {
  std::optional<GridCell> cell = PlaceTrace(header_, position);
  if (!cell) return Placed::Skipped;
  maxima_.At(cell->line_index, cell->trace_index) = maximum;
  const std::size_t bytes = static_cast<std::size_t>(header_.trace_bytes);
  std::int64_t offset = TraceOffset(header_, cell->line_index, cell->trace_index);
  bool follows = offset == pending_offset_ + static_cast<std::int64_t>(pending_.size());
  if ((!follows || pending_.size() + bytes > kRescaleChunkBytes) && !Flush()) return Placed::Failed;
  if (pending_.empty()) pending_offset_ = offset;
  std::size_t at = pending_.size();
  const auto* first = reinterpret_cast<const char*>(samples);
  pending_.insert(pending_.end(), first, first + bytes);
  SamplesFromFileOrder(reinterpret_cast<std::int16_t*>(pending_.data() + at), bytes / 2);
  return Placed::Written;
}

bool GridWriter::Flush() {
  if (pending_.empty()) return true;
  bool written =
      output_.amp().WriteAt(pending_offset_, pending_.data(), pending_.size()) == pending_.size();
  pending_.clear();
  if (!written)
    prompter_.Tell("Disk Full: the trace file " + output_.amp_path() + " could not be written", "",
                   MessageIcon::Error);
  return written;
}

void GridWriter::TracesArriveScaled(std::optional<double> used) {
  scale_while_placing_.reset();
  if (used && *used > 0.0) scale_while_placing_ = used;
}

bool GridWriter::ScaleAndCommit(const ScaleStats& stats, bool no_scaling, LoadDecisions& decisions,
                                const char* label, Progress& progress) {
  if (!Flush()) return false;
  if (!no_scaling) {
    std::optional<double> used = AskScaleValue(stats, decisions);
    if (scale_while_placing_ && used != scale_while_placing_) {
      // Only an input that changed while it was read gives another value.
      prompter_.Tell(FormatText("The traces were scaled with %f, but the input now gives %f: the "
                                "input changed while it was loaded, and no project is made",
                                *scale_while_placing_, used.value_or(0.0)),
                     "Error", MessageIcon::Error);
      return false;
    }
    if (used && !UsableScale(used, stats, prompter_)) return false;
    // With nothing but zero traces there is nothing to scale.
    if (used && stats.overall_max != 0.0 && !scale_while_placing_ &&
        !RescaleTraces(output_.amp(), header_, maxima_, *used, label, progress, scaling_threads_)) {
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
