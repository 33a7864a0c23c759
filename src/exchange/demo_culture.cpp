#include "exchange/demo_culture.h"

#include <sstream>

#include "exchange/well_exchange.h"
#include "exchange/well_file.h"
#include "loader/demo_survey.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/scripted_prompter.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

struct DemoWell {
  const char* name;
  double line_fraction, trace_fraction;  // position within the survey
  int time, depth, symbol;
  const char* title;
};

const DemoWell kWells[] = {
    {"DEMO-1", 0.25, 0.30, 1480, 2050, 1, "DEMO-1 DISCOVERY"},
    {"DEMO-2", 0.55, 0.62, 1530, 2140, 2, "DEMO-2 DRY HOLE"},
    {"DEMO-3", 0.80, 0.20, 1610, 2290, 5, "DEMO-3 APPRAISAL"},
    {"DEMO-4", 0.40, 0.85, 1555, 2200, 9, "DEMO-4 INJECTOR"},
};

// A small R12 DXF writer: entities only, which is all the overlay reads.
class DxfText {
 public:
  void Group(int code, const std::string& value) {
    text_ += FormatText("%3d\n", code) + value + "\n";
  }
  void Number(int code, double value) { Group(code, FormatText("%.3f", value)); }
  void Polyline(const std::vector<XyPoint>& points, const char* layer, double width) {
    Group(0, "POLYLINE");
    Group(8, layer);
    Group(66, "1");
    Number(40, width);
    for (const XyPoint& p : points) {
      Group(0, "VERTEX");
      Group(8, layer);
      Number(10, p.x);
      Number(20, p.y);
    }
    Group(0, "SEQEND");
  }
  void Line(XyPoint a, XyPoint b, const char* layer) {
    Group(0, "LINE");
    Group(8, layer);
    Number(10, a.x);
    Number(20, a.y);
    Number(11, b.x);
    Number(21, b.y);
  }
  void Circle(XyPoint c, double radius) {
    Group(0, "CIRCLE");
    Group(8, "WELLS");
    Number(10, c.x);
    Number(20, c.y);
    Number(40, radius);
  }
  void Text(XyPoint at, const std::string& words, double height, double rotation) {
    Group(0, "TEXT");
    Group(8, "ANNOTATION");
    Number(10, at.x);
    Number(20, at.y);
    Number(40, height);
    Group(1, words);
    Number(50, rotation);
    Group(72, "1");  // centred on the alignment point
    Number(11, at.x);
    Number(21, at.y);
  }
  std::string File() const {
    return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n"
           "  0\nSECTION\n  2\nENTITIES\n" +
           text_ + "  0\nENDSEC\n  0\nEOF\n";
  }

 private:
  std::string text_;
};

std::string CultureDxf(const ProjectState& project) {
  const SurveyHeader& h = project.header;
  auto at = [&](double line_fraction, double trace_fraction) {
    int dl = static_cast<int>(line_fraction * (h.last_line - h.first_line));
    int dt = static_cast<int>(trace_fraction * (h.last_trace - h.first_trace));
    return LineTraceToXy(h, project.placement, dl, dt);
  };
  DxfText dxf;
  // Two lease blocks splitting the survey, and a road across it.
  dxf.Polyline({at(0.05, 0.05), at(0.05, 0.5), at(0.95, 0.5), at(0.95, 0.05), at(0.05, 0.05)},
               "LEASE", 0.0);
  dxf.Polyline({at(0.05, 0.5), at(0.05, 0.95), at(0.95, 0.95), at(0.95, 0.5)}, "LEASE", 12.0);
  dxf.Line(at(0.0, 0.1), at(1.0, 0.7), "ROADS");
  dxf.Line(at(0.5, 0.0), at(0.6, 1.0), "ROADS");
  dxf.Text(at(0.5, 0.27), "BLOCK A-12", 120.0, 30.0);
  dxf.Text(at(0.5, 0.72), "BLOCK A-13", 120.0, 30.0);
  for (const DemoWell& well : kWells)
    dxf.Circle(at(well.line_fraction, well.trace_fraction), 150.0);
  return dxf.File();
}

}  // namespace

bool WriteDemoCulture(const std::string& header_path, std::ostream& err) {
  ScriptedPrompter prompter;
  ProjectState project;
  if (!OpenProject(project, header_path, prompter) || !project.placement.HasXy()) {
    err << "demo: cannot open " << header_path << " with its X/Y file for the culture\n";
    return false;
  }
  const SurveyHeader& h = project.header;
  const std::string folder = DirectoryOf(header_path);
  std::vector<WellGroupEntry> group;
  for (const DemoWell& well : kWells) {
    WellRecord record;
    record.line = static_cast<std::int16_t>(
        h.first_line + static_cast<int>(well.line_fraction * (h.last_line - h.first_line)));
    record.trace = static_cast<std::int16_t>(
        h.first_trace + static_cast<int>(well.trace_fraction * (h.last_trace - h.first_trace)));
    record.time = static_cast<std::uint16_t>(well.time);
    record.depth = static_cast<std::uint16_t>(well.depth);
    record.symbol = static_cast<std::int16_t>(well.symbol);
    SetWellTitle(record, well.title, kWellDialogTitleChars);
    CalculateWellPosition(record, project, prompter);
    if (!WriteWellFile(JoinPath(folder, std::string(well.name) + ".wll"), record)) {
      err << "demo: cannot write the well " << well.name << '\n';
      return false;
    }
    group.push_back({well.name, "DEMO"});
  }
  WellAttributes attributes;
  attributes.symbol_colour = 0x000000FF;  // red symbols
  attributes.label_colour = 0x00000000;
  attributes.symbol_size = 0.15;
  attributes.character_size = 0.1;
  attributes.label_position = 2;
  if (!WriteWellGroupFile(JoinPath(folder, "demowells.lgv"), group) ||
      !WriteWellAttributesFile(JoinPath(folder, "demowells.wga"), attributes) ||
      !WriteFileAtomically(JoinPath(folder, "culture.dxf"), CultureDxf(project))) {
    err << "demo: cannot write the well group or the DXF culture\n";
    return false;
  }
  return true;
}

int RunDemoWithCultureCommand(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err) {
  std::ostringstream survey_out;
  int status = RunDemoCommand(args, survey_out, err);
  out << survey_out.str();
  std::string header_path = Trim(survey_out.str());
  if (status != 0 || !HasExtension(header_path, "hdr")) return status;
  return WriteDemoCulture(header_path, err) ? 0 : 1;
}

}  // namespace quarrix
