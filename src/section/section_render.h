#pragma once
// The two section renderers: wiggle / variable area and colour density. Both
// read each trace through ReadTrace (conditioned by the caller's conditioner,
// or raw when it is null), draw through a Canvas and add the same furniture.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "project/amp_file.h"
#include "section/colour_bar.h"
#include "section/section_furniture.h"
#include "section/section_view.h"

namespace quarrix {

class Progress;

enum class SectionMode { Wiggle, Colour };

// A drawing pass over the traces, after the horizons: given the layout and
// the columns drawn. Layers above the section (faults) hand these in.
using SectionOverlay =
    std::function<void(Canvas&, const SectionLayout&, const std::vector<SectionColumn>&)>;

// Everything one section plot shows.
struct SectionPlot {
  SectionDescription section;
  SectionDisplay display;
  std::vector<SectionHorizon> horizons;
  TimeGrid datum;  // flattening datum time grid, or none
  std::vector<SectionWell> wells;
  ColourBar colour_bar;       // count 0 = the default bar
  std::string project_title;  // the header's file title
  std::string date, time;     // for the title block
  std::optional<ConditioningNote> conditioning;
  std::vector<SectionOverlay> overlays;
};

// Where the traces come from.
struct SectionSource {
  AmpFile& amp;
  const SurveyHeader& header;
  TraceConditioner* conditioner = nullptr;
};

struct SectionDrawResult {
  SectionLayout layout;
  int columns = 0;  // traces the section has
  int drawn = 0;    // traces drawn before the end, a read failure or a stop
  bool read_failed = false;
  bool cancelled = false;
};

// The layout the renderers will use on a device (for sizing pages).
SectionLayout PlanSection(const SurveyHeader& header, const SectionPlot& plot,
                          const DeviceInfo& device, SectionMode mode);

// The renderers. Progress (optional) gets the percentage done in steps of 5
// and stops the drawing when cancelled; what was drawn stays.
SectionDrawResult DrawWiggleSection(Canvas& canvas, const SectionSource& source,
                                    const SectionPlot& plot, Progress* progress = nullptr);
SectionDrawResult DrawColourSection(Canvas& canvas, const SectionSource& source,
                                    const SectionPlot& plot, Progress* progress = nullptr);

// The palette of a saved section bitmap: the colour bar's palette, then the
// white page and the horizon and overlay colours.
std::vector<Rgb> SectionPlotPalette(const ColourBar& bar);

}  // namespace quarrix
