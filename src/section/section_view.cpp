#include "section/section_view.h"

#include <algorithm>
#include <cmath>

#include "platform/byte_order.h"
#include "platform/numeric.h"

namespace quarrix {
namespace {

constexpr double kTitlePageInches = 6.5;

// Columns of an in-line or cross-line section: from the start index to the
// survey's end in steps of `step`, stopping after the last number asked for.
// The count is taken in indexes (equal to the numbers' rule when the survey's
// increment is 1, and never past the end of the survey otherwise).
std::vector<int> AxisIndexes(int first_number, int last_number, int survey_first, float increment,
                             int count, int step) {
  std::vector<int> indexes;
  if (count <= 0) return indexes;
  step = std::max(1, step);
  const double inc = increment == 0.0f ? 1.0 : increment;
  int start = first_number <= survey_first ? 0 : Trunc32((first_number - survey_first) / inc);
  for (int i = std::max(0, start); i < count; i += step) {
    if (last_number > 0 && Trunc32(survey_first + i * inc) > last_number) break;
    indexes.push_back(i);
  }
  return indexes;
}

}  // namespace

std::vector<SectionColumn> SectionColumns(const SurveyHeader& header,
                                          const SectionDescription& section,
                                          const SectionDisplay& display) {
  std::vector<SectionColumn> columns;
  if (section.kind == SectionKind::InLine) {
    const int line = header.LineIndex(section.line_number);
    if (line < 0 || line >= header.num_lines) return columns;
    for (int t : AxisIndexes(section.first, section.last, header.first_trace,
                             header.trace_increment, header.traces_per_line, display.tr_inc))
      columns.push_back({line, t, static_cast<int>(columns.size())});
  } else if (section.kind == SectionKind::CrossLine) {
    const int trace = header.TraceIndex(section.trace_number);
    if (trace < 0 || trace >= header.traces_per_line) return columns;
    for (int l : AxisIndexes(section.first, section.last, header.first_line, header.line_increment,
                             header.num_lines, display.ln_inc))
      columns.push_back({l, trace, static_cast<int>(columns.size())});
  } else {
    const std::int64_t record = header.trace_bytes, per_line = header.traces_per_line;
    if (record <= 0 || per_line <= 0) return columns;
    const int step = std::max(1, display.tr_inc);
    for (std::size_t i = static_cast<std::size_t>(std::max(0, section.first));
         i < section.arb_entries.size(); i += static_cast<std::size_t>(step)) {
      const std::int64_t entry = section.arb_entries[i];
      if (entry < 0) continue;
      const std::int64_t ordinal = entry / record, line = ordinal / per_line;
      if (line >= header.num_lines) continue;
      columns.push_back(
          {static_cast<int>(line), static_cast<int>(ordinal % per_line), static_cast<int>(i)});
    }
  }
  return columns;
}

std::vector<std::int32_t> DecodeArbitraryLine(std::string_view bytes) {
  std::vector<std::int32_t> entries;
  if (bytes.size() < 2) return entries;
  const auto count = le::Get<std::int16_t>(bytes, 0);
  for (int k = 0; k < count; ++k) {
    const std::size_t at = 2 + 4 * static_cast<std::size_t>(k);
    if (at + 4 > bytes.size()) break;
    entries.push_back(le::Get<std::int32_t>(bytes, at));
  }
  return entries;
}

double SectionLayout::ColumnX(int k) const {
  const double offset = margin + k * dx;
  return std::trunc(left_to_right ? offset : width - offset);
}

double SectionLayout::RowY(double r) const {
  return data.top + std::floor(4 * r * sample_step) / 4;
}

SectionLayout ComputeSectionLayout(const SurveyHeader& header, const SectionDescription& section,
                                   const SectionDisplay& display, const DeviceInfo& device,
                                   int columns, bool colour_legend, bool wells) {
  SectionLayout l;
  const bool device_scale = device.printing || device.metafile;
  l.ppi_x = device_scale ? device.ppi_x : display.glppix;
  l.ppi_y = device_scale ? device.ppi_y : display.glppiy;
  l.dx = l.ppi_x / (display.tpi > 0 ? display.tpi : 24.0);
  l.margin = l.ppi_x / 2;
  l.units_per_ms = l.ppi_y * display.ips / 1000.0;
  l.sample_step = l.units_per_ms * header.sample_rate;
  l.label_height = std::max(6, Trunc32(0.11 * l.ppi_y));
  l.columns = columns;
  l.left_to_right = display.left_to_right;
  l.wells_row = wells;
  const double rate = header.sample_rate > 0 ? header.sample_rate : 1.0;
  const int start_ms = std::max(section.start_ms, header.start_time);
  l.first_sample = Trunc32((start_ms - header.start_time) / rate);
  l.window_samples = std::max(1, Trunc32((section.end_ms - start_ms) / rate) + 1);
  l.side_width = colour_legend ? 1.25 * l.ppi_x : 0;
  l.width = std::ceil(2 * l.margin + std::max(0, columns - 1) * l.dx + l.side_width);
  // A page wide enough for the title block's lines.
  if (display.title_scale > 0.5) l.width = std::max(l.width, std::ceil(kTitlePageInches * l.ppi_x));

  const double band = std::max(0.0, display.title_scale) * l.ppi_y;
  const int rows = section.kind == SectionKind::Arbitrary ? 2 : 1;
  const double annotation = rows * 1.3 * l.label_height + l.label_height / 4.0 + 2;
  const double well_row = wells ? 1.8 * display.symsize * l.ppi_y : 0;
  l.title_band = {0, 0, l.width, band};
  const double first_x = l.ColumnX(0), last_x = l.ColumnX(std::max(0, columns - 1));
  l.data.left = std::min(first_x, last_x) - l.dx / 2;
  l.data.right = std::max(first_x, last_x) + l.dx / 2;
  l.annotation_top = band + well_row;
  l.data.top = std::ceil(band + well_row + annotation);
  l.data.bottom = l.RowY(l.window_samples);
  l.height = std::ceil(l.data.bottom + l.ppi_y / 2);
  return l;
}

void WindowSamples(const std::vector<std::int16_t>& trace, int first_sample,
                   std::vector<std::int16_t>& window) {
  const auto size = static_cast<std::int64_t>(trace.size());
  for (std::size_t r = 0; r < window.size(); ++r) {
    const std::int64_t s = static_cast<std::int64_t>(first_sample) + static_cast<std::int64_t>(r);
    window[r] = s >= 0 && s < size ? trace[static_cast<std::size_t>(s)] : 0;
  }
}

}  // namespace quarrix
