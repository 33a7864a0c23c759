// Grid-file and colour-file bytes from outside: decoding the cells and the
// contour levels must stay inside the buffers, and tracing whatever the cells
// hold must end within the point limit, cell filling must cope with any levels,
// and gridding with any cells.
#include <cstdint>
#include <string>

#include "horizon/horizon_grid.h"
#include "map/colour_bar_levels.h"
#include "map/contour_cell_fill.h"
#include "map/contour_tracer.h"
#include "map/gridding.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"

namespace {

class DiscardingSink : public quarrix::ContourSink {
 public:
  quarrix::DrawOutcome Polygon(const quarrix::ContourPolygon&) override {
    return quarrix::DrawOutcome::Drawn;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<int> levels = quarrix::ColourBarLevels(bytes);
  if (levels.size() > 4) levels.resize(4);
  quarrix::HorizonGrid grid(12, 9);
  quarrix::DecodeGridCells(bytes.size() > 4 ? std::string_view(bytes).substr(4) : "", grid);
  quarrix::ContourOptions options;
  options.frame.width = 800;
  options.frame.height = 1100;
  options.smoothing = quarrix::CurveSmoothing::Light;
  DiscardingSink sink;
  quarrix::NullProgress progress;
  quarrix::ScriptedPrompter prompter;
  quarrix::DrawFilledContours(grid, levels, options, sink, progress, prompter);
  quarrix::DrawCellContours(grid, levels, options, sink, progress);
  // Gridding whatever cells the file holds, with and without gradients.
  quarrix::GriddingOptions gridding;
  gridding.apply_gradient = size % 2 == 1;
  gridding.extrapolate = size % 3 != 0;
  quarrix::GridHorizonArea(grid, {0, 0, grid.columns, grid.rows}, {}, gridding, progress, prompter);
  return 0;
}
