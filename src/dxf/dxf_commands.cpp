#include "dxf/dxf_commands.h"

#include <algorithm>
#include <string>

#include "dxf/dxf_reader.h"
#include "platform/command_line.h"
#include "platform/json_writer.h"

namespace quarrix {
namespace {

const char kDxfHelp[] =
    "usage: quarrix-batch dxf info FILE.dxf [--json]\n"
    "\n"
    "Reads a DXF drawing as the map overlay does and prints the counts of the\n"
    "polylines (POLYLINE and LWPOLYLINE), points, lines, texts and circles kept,\n"
    "how many entities of which other types were skipped, the bounding box of\n"
    "all points and of the line end points; --json adds every stored entity in\n"
    "stored order (newest first, polyline points reversed).\n";

void WriteBounds(JsonWriter& w, const DxfBounds& b) {
  if (!b.Valid()) {
    w.Null();
    return;
  }
  w.BeginObject().Key("min_x").Int(b.min_x).Key("min_y").Int(b.min_y);
  w.Key("max_x").Int(b.max_x).Key("max_y").Int(b.max_y).EndObject();
}

void WritePoint3(JsonWriter& w, const DxfPoint3& p) {
  w.BeginArray().Int(p.x).Int(p.y).Int(p.z).EndArray();
}

void WriteSlotJson(JsonWriter& w, const DxfSlot& slot) {
  w.Key("polylines").BeginArray();
  std::size_t next = 0;
  for (std::size_t i = 0; i < slot.polyline_sizes.size(); ++i) {
    w.BeginObject().Key("width").Int(slot.polyline_widths[i]).Key("points").BeginArray();
    for (std::int32_t k = 0; k < slot.polyline_sizes[i]; ++k, ++next)
      w.BeginArray().Int(slot.polyline_points[next].x).Int(slot.polyline_points[next].y).EndArray();
    w.EndArray().EndObject();
  }
  w.EndArray().Key("lines").BeginArray();
  for (const DxfLine& line : slot.lines) {
    w.BeginObject().Key("start");
    WritePoint3(w, line.start);
    w.Key("end");
    WritePoint3(w, line.end);
    w.EndObject();
  }
  w.EndArray().Key("texts").BeginArray();
  for (const DxfText& text : slot.texts) {
    w.BeginObject().Key("anchor");
    WritePoint3(w, text.anchor);
    w.Key("height").Double(text.height).Key("rotation").Int(text.rotation);
    w.Key("horizontal_justification").Int(text.horizontal_justification);
    w.Key("vertical_justification").Int(text.vertical_justification);
    w.Key("text").String(text.text).EndObject();
  }
  w.EndArray().Key("circles").BeginArray();
  for (const DxfCircle& circle : slot.circles) {
    w.BeginObject().Key("centre");
    WritePoint3(w, circle.centre);
    w.Key("radius").Int(circle.radius).EndObject();
  }
  w.EndArray();
}

void PrintInfo(const DxfOverlays& overlays, bool json, std::ostream& out) {
  const DxfSlot& slot = overlays.slots[0];
  if (json) {
    JsonWriter w(out);
    w.BeginObject().Key("counts").BeginObject();
    w.Key("polylines").Int(static_cast<long long>(slot.polyline_sizes.size()));
    w.Key("polyline_points").Int(static_cast<long long>(slot.polyline_points.size()));
    w.Key("lines").Int(static_cast<long long>(slot.lines.size()));
    w.Key("texts").Int(static_cast<long long>(slot.texts.size()));
    w.Key("circles").Int(static_cast<long long>(slot.circles.size()));
    w.EndObject().Key("skipped").BeginObject();
    for (const auto& [type, count] : slot.skipped) w.Key(type).Int(count);
    w.EndObject().Key("bounds").BeginObject().Key("all_points");
    WriteBounds(w, overlays.all_points);
    w.Key("line_points");
    WriteBounds(w, overlays.line_points);
    w.EndObject();
    WriteSlotJson(w, slot);
    w.EndObject();
    out << '\n';
    return;
  }
  out << "polylines: " << slot.polyline_sizes.size() << " (" << slot.polyline_points.size()
      << " points)\nlines: " << slot.lines.size() << "\ntexts: " << slot.texts.size()
      << "\ncircles: " << slot.circles.size() << "\nskipped: " << SkippedEntitiesText(slot) << '\n';
  auto bounds = [&](const char* name, const DxfBounds& b) {
    out << name << ": ";
    if (b.Valid())
      out << b.min_x << ' ' << b.min_y << ' ' << b.max_x << ' ' << b.max_y << '\n';
    else
      out << "none\n";
  };
  bounds("bounds of all points", overlays.all_points);
  bounds("bounds of line end points", overlays.line_points);
}

}  // namespace

int RunDxfCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (WantsHelp(args)) {
    out << kDxfHelp;
    return 0;
  }
  if (args.empty() || args[0] != "info") {
    err << kDxfHelp;
    return 2;
  }
  CommandLine line(std::vector<std::string>(args.begin() + 1, args.end()), {}, {"--json"});
  if (!line.error().empty() || line.positionals().size() != 1) {
    err << "dxf info: " << (line.error().empty() ? "give one FILE.dxf" : line.error()) << '\n';
    return 2;
  }
  DxfOverlays overlays;
  SetDxfSelection(overlays, line.positionals());
  if (!ReadDxfFile(overlays.names[0], overlays)) {
    err << "dxf info: cannot read " << overlays.names[0]
        << " as a text DXF drawing (missing, binary, or malformed)\n";
    return 1;
  }
  PrintInfo(overlays, line.Has("--json"), out);
  return 0;
}

}  // namespace quarrix
