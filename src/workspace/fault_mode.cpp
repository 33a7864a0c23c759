#include "workspace/fault_mode.h"

#include <algorithm>
#include <memory>

#include "fault/fault_drawing.h"
#include "fault/fault_edits.h"
#include "fault/fault_file.h"
#include "fault/fault_interpolation.h"
#include "fault/fault_segment.h"
#include "platform/numeric.h"
#include "platform/parallel.h"
#include "platform/paths.h"
#include "project/project_state.h"
#include "section/section_render.h"
#include "workspace/workspace.h"

namespace quarrix {

FaultWorkspace FaultsOf(const Workspace& w) {
  return FaultWorkspace{w.folder, w.header(), w.faults};
}

std::string FaultFieldText(const Workspace& w) {
  const std::string* name = w.faults.Current();
  return "FAULT - " + (name ? *name : std::string());
}

bool EditFault(Workspace& w, Prompter& prompter, const std::function<void(FaultGrid&)>& edit) {
  std::optional<FaultUndo> before;
  const bool saved = EditCurrentFault(FaultsOf(w), prompter, [&](FaultGrid& grid) {
    before = FaultUndo{FaultsOf(w).CurrentPath(), grid};
    edit(grid);
  });
  if (saved) {
    w.fault_undo = std::move(before);
    w.undo.reset();
  }
  return saved;
}

bool PickFaultSegment(Workspace& w, const PickSection& section, int position1, int time1,
                      int position2, int time2, Prompter& prompter) {
  if (!w.faults.Current()) return false;
  const bool erase = w.erase_fault;
  w.erase_fault = false;
  return EditFault(w, prompter, [&](FaultGrid& grid) {
    if (erase)
      EraseFaultSegment(grid, section, position1, position2);
    else
      AddFaultSegment(grid, section, position1, time1, position2, time2);
  });
}

bool FaultFromPrevious(Workspace& w, const PickWindowState& window, Prompter& prompter) {
  if (!window.previous || !w.faults.Current()) return false;
  const PickSection previous = SectionAt(w.header(), window, *window.previous);
  const PickSection current = SectionOf(w.header(), window);
  return EditFault(w, prompter,
                   [&](FaultGrid& grid) { SetFaultFromPrevious(grid, current, previous); });
}

bool InterpolateCurrentFault(Workspace& w, bool gridding, Progress& progress, Prompter& prompter) {
  bool filled = true;
  const bool saved = EditFault(w, prompter, [&](FaultGrid& grid) {
    if (!gridding) {
      InterpolateFaultLinear(grid);
      return;
    }
    const FaultGrid before = grid;
    GriddingOptions options = FaultGriddingDefaults();
    options.threads = MachineThreadCount();
    const GriddingResult result = InterpolateFaultGridding(grid, options, progress, prompter);
    // A failed gridding leaves the fault as it was.
    if (result == GriddingResult::ScaleRatio || result == GriddingResult::OutOfMemory) {
      grid = before;
      filled = false;
    }
  });
  return saved && filled;
}

bool UninterpolateCurrentFault(Workspace& w, Prompter& prompter) {
  return EditFault(w, prompter, [](FaultGrid& grid) { UninterpolateFault(grid); });
}

bool CreateOpenFault(Workspace& w, Prompter& prompter) {
  auto path = CreateFaultWithDialog(w.folder, w.header(), prompter);
  return path && AppendFault(w.faults, FileNameOf(*path), prompter);
}

namespace {

// The bins a section window drew, or the same columns on another section of
// the window's kind (the previous one): an in-line or cross-line moved to
// its position, an arbitrary line's columns to the bins of their places in
// the list at the previous offset (outside the survey when it has none).
PickSection DrawnSection(const std::vector<SectionColumn>& columns, PickSectionKind kind,
                         const std::optional<PickSection>& moved_to) {
  PickSection section;
  for (const SectionColumn& c : columns) {
    GridBin bin{c.line_index, c.trace_index};
    if (moved_to) {
      const auto p = static_cast<std::size_t>(c.list_position);
      if (kind == PickSectionKind::Inline)
        bin.row = moved_to->position;
      else if (kind == PickSectionKind::Crossline)
        bin.column = moved_to->position;
      else
        bin = p < moved_to->bins.size() ? moved_to->bins[p] : GridBin{-1, -1};
    }
    section.bins.push_back(bin);
  }
  return section;
}

}  // namespace

void AddFaultLayers(const Workspace& w, const PickWindowState& window, SectionPlot& plot,
                    Prompter& prompter) {
  const SurveyHeader header = w.header();
  const PickSectionKind kind = window.kind;
  std::optional<PickSection> previous;
  if (w.show_previous_fault && window.previous)
    previous = SectionAt(header, window, *window.previous);
  const int start_ms = std::max(plot.section.start_ms, header.start_time);
  const TimeGrid datum = plot.datum;
  for (const std::string& name : w.faults.names) {
    auto grid = std::make_shared<FaultGrid>(SurveyFaultGrid(header));
    if (!ReadFault(JoinPath(w.folder, name), *grid, prompter)) continue;
    const std::string label = FaultLabel(name);
    plot.overlays.push_back([=](Canvas& canvas, const SectionLayout& layout,
                                const std::vector<SectionColumn>& columns) {
      const double rate = header.sample_rate;
      // A time placed as the section's horizon picks are: on the sample of
      // the window start, or of the datum when the display is flattened.
      auto place = [&](const FaultSectionPoint& p) {
        const SectionColumn& c = columns[static_cast<std::size_t>(p.position)];
        int top_ms = start_ms;
        if (datum) {
          const std::int16_t d =
              (*datum)[static_cast<std::size_t>(c.line_index) * header.traces_per_line +
                       c.trace_index];
          if (d != kHorizonNullTime) top_ms = d;
        }
        const int row = Trunc32(p.time / rate) - Trunc32(top_ms / rate);
        return Point{layout.ColumnX(p.position), layout.RowY(row)};
      };
      const std::vector<FaultPolyline> current =
          FaultSectionPolylines(*grid, DrawnSection(columns, kind, std::nullopt), 1);
      // The previous section's name only where this section does not name
      // the fault, so the two never print over each other.
      const bool named = std::any_of(current.begin(), current.end(),
                                     [](const FaultPolyline& line) { return line.size() > 1; });
      if (previous)
        DrawFaultPass(canvas,
                      FaultSectionPolylines(*grid, DrawnSection(columns, kind, previous), 1),
                      named ? std::string() : label, FaultPass::Previous, layout.data, place);
      DrawFaultPass(canvas, current, label, FaultPass::Current, layout.data, place);
    });
  }
}

FaultPickTool::FaultPickTool(Workspace& workspace, PickWindowState& window, Prompter& prompter,
                             std::function<const TracePlotGeometry*()> geometry,
                             std::function<void()> edited)
    : workspace_(workspace),
      window_(window),
      prompter_(prompter),
      geometry_(std::move(geometry)),
      edited_(std::move(edited)) {}

std::optional<SectionPoint> FaultPickTool::At(Point p) const {
  const TracePlotGeometry* g = geometry_ ? geometry_() : nullptr;
  if (!g) return std::nullopt;
  auto point = SectionPointAt(*g, workspace_.header(), window_.kind, p);
  if (point && point->in_band) return std::nullopt;
  return point;
}

ToolEffect FaultPickTool::Press(Point p, unsigned keys) {
  start_.reset();
  if (workspace_.settings.interaction_mode != kModeFaults || (keys & kToolRightButton)) return {};
  start_ = At(p);
  return {};
}

ToolEffect FaultPickTool::Release(Point p, unsigned keys) {
  if (!start_ || (keys & kToolRightButton)) return {};
  const SectionPoint start = *start_;
  start_.reset();
  const SectionPoint end = At(p).value_or(start);
  const SurveyHeader& h = workspace_.header();
  const int p1 = SectionPositionOf(h, window_.kind, start.number);
  const int p2 = SectionPositionOf(h, window_.kind, end.number);
  if (!PickFaultSegment(workspace_, SectionOf(h, window_), p1, start.time_ms, p2, end.time_ms,
                        prompter_))
    return {};
  if (edited_) edited_();
  return {true, ""};
}

ToolEffect FaultPickTool::Escape() {
  start_.reset();
  workspace_.erase_fault = false;
  return {};
}

}  // namespace quarrix
