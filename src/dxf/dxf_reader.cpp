#include "dxf/dxf_reader.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/numeric.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

constexpr std::string_view kBinaryDxfSentinel = "AutoCAD Binary DXF";
// The reader's line buffer holds 131 characters of a line.
constexpr std::size_t kLineChars = 131;
// String groups keep 79 characters (an 80-character buffer with its NUL).
constexpr std::size_t kStringChars = 79;

// One code/value pair of the file.
struct Group {
  int code = 0;
  std::string value;
};

// Walks the lines of DXF text, two per group.
class GroupReader {
 public:
  explicit GroupReader(std::string_view bytes) : bytes_(bytes) {}

  // False at the end of the text, for a negative code or a code without value.
  bool Next(Group& group) {
    std::string code_line;
    if (!NextLine(code_line) || !NextLine(group.value)) return false;
    long code = std::strtol(code_line.c_str(), nullptr, 10);
    if (code < 0) return false;
    group.code = static_cast<int>(std::min(code, 100000L));
    return true;
  }

 private:
  // A line without its line end, cut to the line buffer's length.
  bool NextLine(std::string& line) {
    if (position_ >= bytes_.size()) return false;
    std::size_t end = bytes_.find('\n', position_);
    if (end == std::string_view::npos) end = bytes_.size();
    std::string_view text = bytes_.substr(position_, end - position_);
    position_ = end + 1;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    line.assign(text.substr(0, kLineChars));
    return true;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
};

struct PolylineRecord {
  std::int32_t width = 0;
  std::vector<DxfPoint> points;  // in file order
};

// The group tables of the entity being read and the records collected so far.
class EntityCollector {
 public:
  void Begin(const std::string& name) {
    name_ = name;
    floats_.fill(0.0);
    ints_.fill(0);
    for (std::string& text : strings_) text.clear();
    pending_.clear();
    Int(62) = 7;
    if (name == "TEXT" || name == "SHAPE" || name == "ATTDEF" || name == "ATTRIB") {
      Float(41) = 1.0;
    } else if (name == "INSERT") {
      Float(41) = Float(42) = Float(43) = 1.0;
      Int(70) = Int(71) = 1;
    } else if (name == "POLYLINE") {
      Int(73) = Int(74) = 5;
    }
    lightweight_ = PolylineRecord{};
    first_start_width_ = 0.0;
  }

  void Store(const Group& group) {
    const int code = group.code;
    if (name_ == "LWPOLYLINE") StoreLightweight(group);
    if (code >= 0 && code <= 9) {
      strings_[static_cast<std::size_t>(code)] = group.value.substr(0, kStringChars);
      if (code == 1 && name_ == "TEXT") pending_ = strings_[1];
    } else if (code >= 10 && code <= 59) {
      Float(code) = ParseCDouble(group.value);
    } else if (code >= 60 && code <= 79) {
      long value = std::strtol(group.value.c_str(), nullptr, 10);
      Int(code) = static_cast<std::int16_t>(std::clamp(value, -32768L, 32767L));
    }
    // Other codes (100, 210..239, 999, 1001, extended data...) are not kept.
  }

  void End() {
    if (name_ == "POLYLINE") {
      polylines_.push_back({Trunc16(Float(40)), {}});
      has_polyline_ = true;
    } else if (name_ == "VERTEX") {
      if (has_polyline_) polylines_.back().points.push_back({Coordinate(10), Coordinate(20)});
    } else if (name_ == "LWPOLYLINE") {
      EndLightweight();
    } else if (name_ == "LINE") {
      lines_.push_back({Point(10), Point(11)});
    } else if (name_ == "CIRCLE") {
      circles_.push_back({Point(10), Trunc32(Float(40))});
    } else if (name_ == "TEXT") {
      DxfText text;
      text.horizontal_justification = Int(72);
      text.vertical_justification = Int(73);
      bool justified = text.horizontal_justification != 0 || text.vertical_justification != 0;
      text.anchor = Point(justified ? 11 : 10);
      text.height = static_cast<float>(Float(40));
      text.rotation = Trunc16(Float(50) * 10.0);
      text.text = pending_.substr(0, kDxfTextChars);
      texts_.push_back(std::move(text));
    } else if (!IsStructural(name_)) {
      ++skipped_[name_];
    }
  }

  // Moves the records into the slot, newest first, widening the bounds.
  void Pack(DxfSlot& slot, DxfBounds& all_points, DxfBounds& line_points) const {
    slot = DxfSlot{};
    slot.skipped = skipped_;
    for (auto p = polylines_.rbegin(); p != polylines_.rend(); ++p) {
      slot.polyline_sizes.push_back(static_cast<std::int32_t>(p->points.size()));
      slot.polyline_widths.push_back(p->width);
      for (auto v = p->points.rbegin(); v != p->points.rend(); ++v) {
        slot.polyline_points.push_back(*v);
        all_points.Widen(v->x, v->y);
      }
    }
    for (auto l = lines_.rbegin(); l != lines_.rend(); ++l) {
      slot.lines.push_back(*l);
      for (const DxfPoint3& end : {l->start, l->end}) {
        all_points.Widen(end.x, end.y);
        line_points.Widen(end.x, end.y);
      }
    }
    for (auto t = texts_.rbegin(); t != texts_.rend(); ++t) {
      slot.texts.push_back(*t);
      all_points.Widen(t->anchor.x, t->anchor.y);
    }
    for (auto c = circles_.rbegin(); c != circles_.rend(); ++c) {
      slot.circles.push_back(*c);
      all_points.Widen(c->centre.x, c->centre.y);
    }
  }

 private:
  // Entries that only frame others: block definitions and the end of a
  // polyline's vertices.
  static bool IsStructural(const std::string& name) {
    return name == "SEQEND" || name == "BLOCK" || name == "ENDBLK";
  }

  // A lightweight polyline repeats groups 10 and 20 (and 40, 41, 42) once
  // per vertex: a group 10 starts the next vertex.
  void StoreLightweight(const Group& group) {
    std::vector<DxfPoint>& points = lightweight_.points;
    if (group.code == 10) points.push_back({Trunc32(ParseCDouble(group.value)), 0});
    if (group.code == 20 && !points.empty()) points.back().y = Trunc32(ParseCDouble(group.value));
    if (group.code == 40 && points.size() == 1) first_start_width_ = ParseCDouble(group.value);
  }

  // The vertices in order, closed back to the first when flag 1 says so;
  // bulges (group 42) are not drawn as arcs: each segment is straight. The
  // width is the constant width (group 43), else the first vertex's start
  // width.
  void EndLightweight() {
    PolylineRecord& polyline = lightweight_;
    if (polyline.points.empty()) return;
    if ((Int(70) & 1) != 0 && polyline.points.size() > 2)
      polyline.points.push_back(polyline.points.front());
    polyline.width = Trunc16(Float(43) != 0.0 ? Float(43) : first_start_width_);
    polylines_.push_back(std::move(polyline));
  }

  double& Float(int code) { return floats_[static_cast<std::size_t>(code - 10)]; }
  std::int16_t& Int(int code) { return ints_[static_cast<std::size_t>(code - 60)]; }
  std::int32_t Coordinate(int code) { return Trunc32(Float(code)); }
  DxfPoint3 Point(int x_code) {
    return {Coordinate(x_code), Coordinate(x_code + 10), Coordinate(x_code + 20)};
  }

  std::string name_;
  std::array<double, 50> floats_{};      // codes 10..59
  std::array<std::int16_t, 20> ints_{};  // codes 60..79
  std::array<std::string, 10> strings_;  // codes 0..9
  std::string pending_;                  // the text of a TEXT
  std::vector<PolylineRecord> polylines_;
  bool has_polyline_ = false;
  PolylineRecord lightweight_;      // the LWPOLYLINE being read
  double first_start_width_ = 0.0;  // its first vertex's group 40
  std::map<std::string, long long> skipped_;
  std::vector<DxfLine> lines_;
  std::vector<DxfText> texts_;
  std::vector<DxfCircle> circles_;
};

bool IsGroupZero(const Group& group, std::string_view name) {
  return group.code == 0 && Trim(group.value) == name;
}

// Reads groups up to and including the group 0 "ENDSEC".
bool SkipSection(GroupReader& reader) {
  Group group;
  while (reader.Next(group))
    if (IsGroupZero(group, "ENDSEC")) return true;
  return false;
}

enum class SectionEnd { EndSec, EndOfFile, Failed };

// Reads the entities of an ENTITIES or BLOCKS section up to its ENDSEC.
SectionEnd ReadEntities(GroupReader& reader, EntityCollector& collector,
                        const DxfStatusLine& status, int& entity_count) {
  Group group;
  do {  // groups before the first entity are not used
    if (!reader.Next(group)) return SectionEnd::Failed;
  } while (group.code != 0);
  while (true) {
    std::string name = Trim(group.value);
    if (name == "ENDSEC") return SectionEnd::EndSec;
    if (name == "EOF") return SectionEnd::EndOfFile;
    collector.Begin(name);
    while (true) {
      if (!reader.Next(group)) return SectionEnd::Failed;
      if (group.code == 0) break;
      collector.Store(group);
    }
    collector.End();
    if (++entity_count % 100 == 0 && status) status(FormatText("DXF %d", entity_count / 100));
  }
}

}  // namespace

bool ParseDxf(std::string_view bytes, DxfSlot& slot, DxfBounds& all_points, DxfBounds& line_points,
              const DxfStatusLine& status) {
  if (bytes.starts_with(kBinaryDxfSentinel)) return false;
  GroupReader reader(bytes);
  EntityCollector collector;
  int entity_count = 0;
  Group group;
  while (reader.Next(group)) {
    if (IsGroupZero(group, "EOF")) break;
    if (!IsGroupZero(group, "SECTION")) continue;
    if (!reader.Next(group)) return false;
    std::string section = group.code == 2 ? Trim(group.value) : "";
    if (section == "ENTITIES" || section == "BLOCKS") {
      SectionEnd end = ReadEntities(reader, collector, status, entity_count);
      if (end == SectionEnd::Failed) return false;
      if (end == SectionEnd::EndOfFile) break;
    } else if (!SkipSection(reader)) {
      return false;
    }
  }
  if (!IsGroupZero(group, "EOF")) return false;
  collector.Pack(slot, all_points, line_points);
  return true;
}

bool ReadDxfFile(const std::string& path, DxfOverlays& overlays, const DxfStatusLine& status) {
  if (overlays.current < 0 || overlays.current >= kDxfSlotCount) return false;
  DxfSlot& slot = overlays.slots[static_cast<std::size_t>(overlays.current)];
  slot = DxfSlot{};
  if (status) status("Start Read DXF");
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  DxfSlot read;
  DxfBounds all_points = overlays.all_points, line_points = overlays.line_points;
  if (!ParseDxf(bytes, read, all_points, line_points, status)) return false;
  slot = std::move(read);
  overlays.all_points = all_points;
  overlays.line_points = line_points;
  if (status) status("End Read DXF");
  return true;
}

int ReadDxfSelection(DxfOverlays& overlays, const DxfStatusLine& status) {
  int read = 0;
  for (int i = 0; i < overlays.count; ++i) {
    overlays.current = i;
    if (ReadDxfFile(overlays.names[static_cast<std::size_t>(i)], overlays, status)) ++read;
  }
  overlays.current = 0;
  return read;
}

}  // namespace quarrix
