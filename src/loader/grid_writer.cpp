#include "loader/grid_writer.h"

#include <bit>

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

std::optional<std::int64_t> GridWriter::Place(const LineTrace& position, float maximum) {
  std::optional<GridCell> cell = PlaceTrace(header_, position);
  if (!cell) return std::nullopt;
  maxima_.At(cell->line_index, cell->trace_index) = maximum;
  return TraceOffset(header_, cell->line_index, cell->trace_index);
}

GridWriter::Placed GridWriter::Put(const LineTrace& position, float maximum,
                                   const std::int16_t* samples) {
  const std::optional<std::int64_t> offset = Place(position, maximum);
  if (!offset) return Placed::Skipped;
  const std::size_t bytes = static_cast<std::size_t>(header_.trace_bytes);
  const bool follows = !kept_ && *offset == run_offset_ + static_cast<std::int64_t>(run_bytes_) &&
                       run_bytes_ + bytes <= kRescaleChunkBytes;
  if (!follows && !Flush()) return Placed::Failed;
  if (run_bytes_ == 0) run_offset_ = *offset;
  const auto* first = reinterpret_cast<const char*>(samples);
  pending_.insert(pending_.end(), first, first + bytes);
  SamplesFromFileOrder(reinterpret_cast<std::int16_t*>(pending_.data() + run_bytes_), bytes / 2);
  run_bytes_ += bytes;
  return Placed::Written;
}

GridWriter::Placed GridWriter::PutKept(const LineTrace& position, float maximum,
                                       const std::int16_t* samples) {
  if constexpr (std::endian::native != std::endian::little) return Put(position, maximum, samples);
  const std::optional<std::int64_t> offset = Place(position, maximum);
  if (!offset) return Placed::Skipped;
  const auto* data = reinterpret_cast<const char*>(samples);
  const bool follows = kept_ && *offset == run_offset_ + static_cast<std::int64_t>(run_bytes_) &&
                       data == kept_ + run_bytes_;
  if (!follows && !Flush()) return Placed::Failed;
  if (run_bytes_ == 0) {
    kept_ = data;
    run_offset_ = *offset;
  }
  run_bytes_ += static_cast<std::size_t>(header_.trace_bytes);
  return Placed::Written;
}

bool GridWriter::Flush() {
  if (run_bytes_ == 0) return true;
  const char* data = kept_ ? kept_ : pending_.data();
  const bool written = output_.amp().WriteAt(run_offset_, data, run_bytes_) == run_bytes_;
  pending_.clear();
  kept_ = nullptr;
  run_bytes_ = 0;
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
