#include "map/plot_map_style_options.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/text_util.h"

namespace quarrix {
namespace {

const char* const kStyleNames[] = {"solid", "dash", "dot", "dashdot", "dashdotdot"};
const char* const kRowNames[] = {"contour1", "contour2", "contour3", "grid", "arb", "fault"};

std::optional<PenStyle> StyleNamed(const std::string& name) {
  for (int k = 0; k < 5; ++k)
    if (EqualsIgnoreCase(name, kStyleNames[k])) return static_cast<PenStyle>(k);
  return std::nullopt;
}

// "RRGGBB" in hexadecimal.
std::optional<Rgb> ColourNamed(const std::string& text) {
  if (text.size() != 6 || !std::all_of(text.begin(), text.end(), ::isxdigit)) return std::nullopt;
  const unsigned long value = std::stoul(text, nullptr, 16);
  return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8 & 0xFF),
             static_cast<std::uint8_t>(value & 0xFF)};
}

std::optional<int> WholeIn(const std::string& text, int low, int high) {
  std::optional<double> value = ParseWholeDouble(text);
  if (!value || *value != std::floor(*value) || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

// STYLE,RRGGBB,WIDTH
std::optional<LineStyle> ReadLineStyle(const std::string& text) {
  std::vector<std::string> parts = SplitText(text, ',');
  if (parts.size() != 3) return std::nullopt;
  auto style = StyleNamed(parts[0]);
  auto colour = ColourNamed(parts[1]);
  auto width = WholeIn(parts[2], 1, 20);
  if (!style || !colour || !width) return std::nullopt;
  return LineStyle{*style, *width, *colour};
}

std::uint32_t ColourValue(Rgb c) {
  return static_cast<std::uint32_t>(c.r | c.g << 8 | c.b << 16);
}

// "--line ROW=STYLE,RRGGBB,WIDTH", repeatable.
std::string ReadLineRows(const CommandLine& line, HorizonPlotSettings& s) {
  LineStyle* others[3] = {&s.grid_style, &s.arbitrary_style, &s.fault_style};
  for (const std::string& value : line.Values("--line")) {
    const std::size_t equals = value.find('=');
    const std::string row = value.substr(0, equals);
    const auto name = std::find_if(std::begin(kRowNames), std::end(kRowNames),
                                   [&](const char* n) { return row == n; });
    std::optional<LineStyle> style;
    if (equals != std::string::npos) style = ReadLineStyle(value.substr(equals + 1));
    if (name == std::end(kRowNames) || !style)
      return "--line takes ROW=STYLE,RRGGBB,WIDTH: ROW contour1..3, grid, arb or fault, STYLE "
             "solid, dash, dot, dashdot or dashdotdot, WIDTH 1 to 20";
    const int k = static_cast<int>(name - std::begin(kRowNames));
    if (k < 3) {
      s.classes[k].style = static_cast<std::int16_t>(style->style);
      s.classes[k].colour = ColourValue(style->colour);
      s.classes[k].width = static_cast<std::int16_t>(style->width);
    } else {
      *others[k - 3] = *style;
    }
  }
  return "";
}

std::string ReadWellOptions(const CommandLine& line, HorizonPlotSettings& s) {
  WellStyle& style = s.well_style;
  WellPostingOptions& posting = s.well_options;
  if (auto colours = line.Value("--well-colours")) {
    std::vector<std::string> parts = SplitText(*colours, ',');
    std::optional<Rgb> symbol, label;
    if (parts.size() == 2) symbol = ColourNamed(parts[0]), label = ColourNamed(parts[1]);
    if (!symbol || !label) return "--well-colours takes SYMBOL,LABEL as RRGGBB,RRGGBB";
    style.symbol_colour = *symbol, style.label_colour = *label;
  }
  if (auto sizes = line.Value("--well-sizes")) {
    auto pair = ParseNumberPair(*sizes, ',');
    if (!pair || pair->first < 0.01 || pair->first > 2 || pair->second < 0.01 || pair->second > 2)
      return "--well-sizes takes SYMBOL,CHARACTER in inches, each from 0.01 to 2";
    style.symbol_inches = pair->first, style.character_inches = pair->second;
  }
  for (const std::string& what : SplitText(line.Value("--erase-background").value_or(""), ',')) {
    if (what == "symbol")
      style.erase_symbol_background = true;
    else if (what == "label")
      style.erase_label_background = true;
    else if (!what.empty())
      return "--erase-background takes symbol, label or symbol,label";
  }
  if (auto labels = line.Value("--well-labels")) {
    posting.label = posting.title = posting.depth = posting.map_value = false;
    for (const std::string& what : SplitText(*labels, ',')) {
      if (what == "name")
        posting.label = true;
      else if (what == "title")
        posting.title = true;
      else if (what == "depth")
        posting.depth = true;
      else if (what == "value")
        posting.map_value = true;
      else if (what != "none")
        return "--well-labels takes a list of name, title, depth and value, or none";
    }
  }
  if (auto sort = line.Value("--well-sort")) {
    std::vector<std::string> parts = SplitText(*sort, ',');
    std::optional<int> deeper, shallower;
    if (parts.size() == 2)
      deeper = WholeIn(parts[0], -100000, 100000), shallower = WholeIn(parts[1], -100000, 100000);
    if (!deeper || !shallower)
      return "--well-sort takes DEEPER,SHALLOWER in whole feet: the wells posted lie between";
    posting.sort = true;
    posting.well_sort.below_feet = *deeper, posting.well_sort.above_feet = *shallower;
  }
  posting.trap = line.Has("--trap-wells");
  posting.use_xy = line.Has("--wells-xy");
  return "";
}

std::string ReadCultureOptions(const CommandLine& line, HorizonPlotSettings& s) {
  if (auto dxf_line = line.Value("--dxf-line")) {
    std::optional<LineStyle> style = ReadLineStyle(*dxf_line);
    if (!style) return "--dxf-line takes STYLE,RRGGBB,WIDTH";
    s.culture.line = *style;
  }
  if (auto text = line.Value("--dxf-text")) {
    std::vector<std::string> parts = SplitText(*text, ',');
    std::optional<Rgb> colour = parts.empty() ? std::nullopt : ColourNamed(parts[0]);
    std::optional<double> size = parts.size() == 2 ? ParseWholeDouble(parts[1]) : 1.0;
    if (!colour || parts.size() > 2 || !size || *size < 0.1 || *size > 10)
      return "--dxf-text takes RRGGBB[,SIZE] with SIZE from 0.1 to 10";
    s.culture.text_colour = *colour;
    s.culture.text_scale = *size;
  }
  s.culture.plot_text = !line.Has("--no-dxf-text");
  s.culture.plot_lines = !line.Has("--no-dxf-lines");
  return "";
}

}  // namespace

const char kPlotStyleHelp[] =
    "Styles, as the window's pages set them:\n"
    "  --line ROW=STYLE,RRGGBB,WIDTH  (repeatable) ROW contour1, contour2, contour3,\n"
    "      grid, arb or fault; STYLE solid, dash, dot, dashdot or dashdotdot\n"
    "  --contour-labels L1,L2,L3  1 labels the lines of that class, 0 does not\n"
    "  --label-size INCHES  contour, fault and line name size\n"
    "  --well-colours SYMBOL,LABEL  --well-sizes SYMBOL_IN,CHAR_IN\n"
    "  --erase-background symbol|label|symbol,label\n"
    "  --well-labels name,title,depth,value|none  --well-sort DEEPER,SHALLOWER (ft)\n"
    "  --trap-wells --wells-xy --label-faults --label-arb\n"
    "  --dxf-line STYLE,RRGGBB,WIDTH --dxf-text RRGGBB[,SIZE] --no-dxf-text --no-dxf-lines\n";

const std::set<std::string>& PlotStyleValueOptions() {
  static const std::set<std::string> options = {
      "--line",       "--contour-labels",   "--label-size",  "--well-colours",
      "--well-sizes", "--erase-background", "--well-labels", "--well-sort",
      "--dxf-line",   "--dxf-text"};
  return options;
}

const std::set<std::string>& PlotStyleFlagOptions() {
  static const std::set<std::string> flags = {"--trap-wells", "--wells-xy",    "--label-faults",
                                              "--label-arb",  "--no-dxf-text", "--no-dxf-lines"};
  return flags;
}

std::string ReadPlotStyleOptions(const CommandLine& line, HorizonPlotSettings& s) {
  if (std::string problem = ReadLineRows(line, s); !problem.empty()) return problem;
  if (auto labels = line.Value("--contour-labels")) {
    std::vector<std::string> parts = SplitText(*labels, ',');
    if (parts.size() != 3 ||
        !std::all_of(parts.begin(), parts.end(), [](auto& p) { return p == "0" || p == "1"; }))
      return "--contour-labels takes three of 0 and 1";
    for (int k = 0; k < 3; ++k) s.classes[k].label = parts[k] == "1";
  }
  if (auto size = line.Value("--label-size")) {
    std::optional<double> inches = ParseWholeDouble(*size);
    if (!inches || *inches < 0.01 || *inches > 2) return "--label-size takes inches from 0.01 to 2";
    s.label_inches = *inches;
  }
  if (std::string problem = ReadWellOptions(line, s); !problem.empty()) return problem;
  s.label_faults = line.Has("--label-faults");
  s.label_arbitrary_lines = line.Has("--label-arb");
  return ReadCultureOptions(line, s);
}

}  // namespace quarrix
