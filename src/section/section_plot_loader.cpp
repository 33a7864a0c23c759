#include "section/section_plot_loader.h"

#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/prompter.h"
#include "platform/text_util.h"
#include "project/project_state.h"
#include "section/section_inputs.h"

namespace quarrix {
namespace {

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

bool ReadInput(const std::string& path, std::string& bytes, Prompter& prompter) {
  if (ReadWholeFile(path, bytes)) return true;
  prompter.Tell("Cannot open " + path, "Error", MessageIcon::Error);
  return false;
}

bool LoadHorizons(const SurveyHeader& header, const SectionPlotRequest& request, SectionPlot& plot,
                  Prompter& prompter) {
  auto load = [&](const std::string& path, int& colour) -> TimeGrid {
    std::string bytes;
    if (!ReadInput(path, bytes, prompter)) return nullptr;
    auto grid = std::make_shared<std::vector<std::int16_t>>();
    DecodeHorizonTimes(bytes, header, *grid, colour);
    return grid;
  };
  for (const std::string& path : request.horizon_paths) {
    int colour = 12;
    TimeGrid grid = load(path, colour);
    if (!grid) return false;
    plot.horizons.push_back({FileName(path), std::move(grid), colour});
  }
  if (!request.datum_path.empty()) {
    int colour = 12;
    plot.datum = load(request.datum_path, colour);
    if (!plot.datum) return false;
  }
  return true;
}

bool LoadWells(const SectionPlotRequest& request, SectionPlot& plot, Prompter& prompter) {
  for (const std::string& path : request.well_paths) {
    std::string bytes;
    SectionWell well;
    if (!ReadInput(path, bytes, prompter)) return false;
    if (!DecodeWellMarker(bytes, well)) {
      prompter.Tell(path + " is not a well file", "Error", MessageIcon::Error);
      return false;
    }
    well.name = std::filesystem::path(path).stem().string();
    plot.wells.push_back(well);
  }
  return true;
}

bool LoadColourFile(const SectionPlotRequest& request, SectionPlot& plot, Prompter& prompter) {
  if (request.colour_file.empty()) return true;
  std::string bytes;
  if (!ReadInput(request.colour_file, bytes, prompter)) return false;
  if (!DecodeColourBar(bytes, plot.colour_bar)) {
    prompter.Tell(request.colour_file + " is empty", "Error", MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace

PlotPage SectionPlotPage(const SurveyHeader& header, const SectionPlot& plot, SectionMode mode,
                         const DeviceInfo& device) {
  const SectionLayout layout = PlanSection(header, plot, device, mode);
  PlotPage page;
  page.width_in = layout.width / layout.ppi_x;
  page.height_in = layout.height / layout.ppi_y;
  page.dpi = static_cast<int>(device.ppi_x);
  page.palette = SectionPlotPalette(plot.colour_bar);
  return page;
}

bool ConditioningOn(const ProcessingParams& params) {
  return params.phase_on || params.filter_on || params.shift_on || params.agc_on ||
         params.attribute != kAttributeNone;
}

std::optional<ConditioningNote> ConditioningNoteOf(const ProcessingParams& params) {
  if (!params.phase_on && !params.filter_on && !params.shift_on) return std::nullopt;
  ConditioningNote note;
  note.phase = static_cast<int>(params.phase_deg);
  for (int k = 0; k < 4; ++k) note.filter[k] = static_cast<int>(params.filter_hz[k]);
  note.shift = params.shift_ms;
  return note;
}

std::optional<SectionPlot> LoadSectionPlot(const ProjectState& project,
                                           const SectionPlotRequest& request, Prompter& prompter) {
  SectionPlot plot;
  plot.section = request.section;
  plot.display = request.display;
  if (plot.section.kind == SectionKind::Arbitrary && !request.arb_path.empty()) {
    std::string bytes;
    if (!ReadInput(request.arb_path, bytes, prompter)) return std::nullopt;
    plot.section.arb_name = FileName(request.arb_path);
    plot.section.arb_entries = DecodeArbitraryLine(bytes);
  }
  if (!LoadHorizons(project.header, request, plot, prompter) ||
      !LoadWells(request, plot, prompter) || !LoadColourFile(request, plot, prompter))
    return std::nullopt;
  plot.project_title = FileName(project.header_path);
  plot.date = LocalTimeText("%d-%b-%Y");
  plot.time = LocalTimeText("%H:%M:%S");
  plot.conditioning = ConditioningNoteOf(request.params);
  return plot;
}

}  // namespace quarrix
