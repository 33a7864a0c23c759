#include "platform/wmf_canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/numeric.h"

namespace quarrix {
namespace {

// Record function numbers of the standard metafile.
enum : std::uint16_t {
  kEof = 0x0000,
  kSaveDc = 0x001E,
  kSetBkMode = 0x0102,
  kSetPolyFillMode = 0x0106,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kDeleteObject = 0x01F0,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetTextColor = 0x0209,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kCreatePen = 0x02FA,
  kCreateFont = 0x02FB,
  kCreateBrush = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kPolyPolygon = 0x0538,
  kExtTextOut = 0x0A32,
  kStretchDib = 0x0F43,
};

constexpr int kTransparent = 1;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
// Counts in point records are 16-bit; longer polylines are split.
constexpr std::size_t kMaxPointsPerRecord = 8000;

std::int16_t Coordinate(double v) {
  return Trunc16(std::floor(v + 0.5));
}

std::uint32_t ColourRef(Rgb c) {
  return static_cast<std::uint32_t>(c.r) | (static_cast<std::uint32_t>(c.g) << 8) |
         (static_cast<std::uint32_t>(c.b) << 16);
}

int PenStyleCode(PenStyle style) {
  switch (style) {
    case PenStyle::Solid: return 0;
    case PenStyle::Dash: return 1;
    case PenStyle::Dot: return 2;
    case PenStyle::DashDot: return 3;
    case PenStyle::DashDotDot: return 4;
    case PenStyle::Null: return 5;
  }
  return 0;
}

// Record words: the low 16 bits of value.
void Append16(std::string& out, int value) {
  le::Append(out, static_cast<std::uint16_t>(value));
}

void Append32(std::string& out, std::uint32_t v) {
  le::Append(out, v);
}

}  // namespace

WmfCanvas::WmfCanvas(int width, int height) : width_(width), height_(height) {
  SimpleRecord(kSetWindowOrg, {0, 0});
  window_ext_offset_ = records_.size();
  SimpleRecord(kSetWindowExt, {height, width});
  SimpleRecord(kSetBkMode, {kTransparent});
  SimpleRecord(kSetPolyFillMode, {1});
  SimpleRecord(kSetTextAlign, {0});
  SetPen(Pen{});
  SetBrush(kNullBrush);
  SetFont(Font{});
  SetTextColour(kBlack);
}

void WmfCanvas::SetBounds(int width, int height) {
  width_ = width;
  height_ = height;
  // Patch the window extent record written at the start (y, then x).
  std::string ext;
  Append16(ext, height);
  Append16(ext, width);
  records_.replace(window_ext_offset_ + 6, 4, ext);
}

DeviceInfo WmfCanvas::Device() const {
  DeviceInfo info;
  info.ppi_x = info.ppi_y = kMetafileUnitsPerInch;
  info.metafile = true;
  return info;
}

void WmfCanvas::BeginRecord(std::uint16_t function) {
  record_start_ = records_.size();
  Put32(0);
  Put16(function);
}

void WmfCanvas::EndRecord() {
  std::size_t bytes = records_.size() - record_start_;
  if (bytes % 2) records_.push_back('\0'), ++bytes;
  auto words = static_cast<std::uint32_t>(bytes / 2);
  std::string size;
  Append32(size, words);
  records_.replace(record_start_, 4, size);
  max_record_words_ = std::max(max_record_words_, words);
}

void WmfCanvas::Put16(int value) {
  Append16(records_, value);
}
void WmfCanvas::Put32(std::uint32_t value) {
  Append32(records_, value);
}

void WmfCanvas::PutPoint(Point p) {
  Put16(Coordinate(p.x));
  Put16(Coordinate(p.y));
}

void WmfCanvas::PutRect(Rect r) {
  Put16(Coordinate(r.bottom));
  Put16(Coordinate(r.right));
  Put16(Coordinate(r.top));
  Put16(Coordinate(r.left));
}

void WmfCanvas::SimpleRecord(std::uint16_t function, std::initializer_list<int> params) {
  BeginRecord(function);
  for (int p : params) Put16(p);
  EndRecord();
}

int WmfCanvas::AllocateObject() {
  auto free = std::find(slots_.begin(), slots_.end(), false);
  if (free != slots_.end()) {
    *free = true;
    return static_cast<int>(free - slots_.begin());
  }
  slots_.push_back(true);
  return static_cast<int>(slots_.size()) - 1;
}

void WmfCanvas::ReleaseObject(int slot) {
  if (slot < 0) return;
  if (clip_saved_) {
    // The saved state may still select it: delete after the restore.
    deferred_deletes_.push_back(slot);
    return;
  }
  SimpleRecord(kDeleteObject, {slot});
  slots_[static_cast<std::size_t>(slot)] = false;
}

void WmfCanvas::Select(ObjectKind kind, int slot) {
  SimpleRecord(kSelectObject, {slot});
  int& current = kind == ObjectKind::Pen     ? pen_slot_
                 : kind == ObjectKind::Brush ? brush_slot_
                                             : font_slot_;
  int previous = current;
  current = slot;
  ReleaseObject(previous);
}

void WmfCanvas::SetPen(const Pen& pen) {
  int slot = AllocateObject();
  BeginRecord(kCreatePen);
  Put16(PenStyleCode(pen.style));
  Put16(std::max(0, pen.width));
  Put16(0);
  Put32(ColourRef(pen.colour));
  EndRecord();
  Select(ObjectKind::Pen, slot);
}

void WmfCanvas::SetBrush(const Brush& brush) {
  int slot = AllocateObject();
  BeginRecord(kCreateBrush);
  Put16(brush.style == BrushStyle::Null ? 1 : 0);
  Put32(ColourRef(brush.colour));
  Put16(0);
  EndRecord();
  Select(ObjectKind::Brush, slot);
}

void WmfCanvas::SetFont(const Font& font) {
  font_ = font;
  int slot = AllocateObject();
  BeginRecord(kCreateFont);
  Put16(-std::abs(font.height));  // negative: character height without leading
  Put16(0);
  Put16(font.escapement);
  Put16(font.escapement);
  Put16(font.weight);
  Put32(0);  // italic, underline, strike-out, ANSI character set
  Put32(0);  // precisions, quality, pitch and family
  std::string face = font.face.substr(0, 31);
  face.push_back('\0');
  records_ += face;
  EndRecord();
  Select(ObjectKind::Font, slot);
}

void WmfCanvas::SetTextColour(Rgb colour) {
  text_colour_ = colour;
  BeginRecord(kSetTextColor);
  Put32(ColourRef(colour));
  EndRecord();
}

void WmfCanvas::SetFillMode(FillMode mode) {
  fill_mode_ = mode;
  SimpleRecord(kSetPolyFillMode, {mode == FillMode::Alternate ? 1 : 2});
}

void WmfCanvas::MoveTo(Point p) {
  SimpleRecord(kMoveTo, {Coordinate(p.y), Coordinate(p.x)});
}
void WmfCanvas::LineTo(Point p) {
  SimpleRecord(kLineTo, {Coordinate(p.y), Coordinate(p.x)});
}

void WmfCanvas::Polyline(const Point* points, std::size_t count) {
  // Consecutive pieces share their end point so that the line stays whole.
  for (std::size_t start = 0; start + 1 < count; start += kMaxPointsPerRecord - 1) {
    std::size_t n = std::min(kMaxPointsPerRecord, count - start);
    BeginRecord(kPolyline);
    Put16(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) PutPoint(points[start + i]);
    EndRecord();
  }
}

void WmfCanvas::Polygon(const Point* points, std::size_t count) {
  count = std::min<std::size_t>(count, 0x7FFF);
  if (count < 2) return;
  BeginRecord(kPolygon);
  Put16(static_cast<int>(count));
  for (std::size_t i = 0; i < count; ++i) PutPoint(points[i]);
  EndRecord();
}

void WmfCanvas::PolyPolygon(const Point* points, const int* counts, std::size_t polygon_count) {
  if (polygon_count == 0) return;
  polygon_count = std::min<std::size_t>(polygon_count, 0x7FFF);
  std::size_t total = 0;
  for (std::size_t i = 0; i < polygon_count; ++i) total += static_cast<std::size_t>(counts[i]);
  BeginRecord(kPolyPolygon);
  Put16(static_cast<int>(polygon_count));
  for (std::size_t i = 0; i < polygon_count; ++i) Put16(counts[i]);
  for (std::size_t i = 0; i < total; ++i) PutPoint(points[i]);
  EndRecord();
}

void WmfCanvas::Rectangle(Rect r) {
  BeginRecord(kRectangle);
  PutRect(r);
  EndRecord();
}

void WmfCanvas::Ellipse(Rect r) {
  BeginRecord(kEllipse);
  PutRect(r);
  EndRecord();
}

void WmfCanvas::SetTextAlign(unsigned align) {
  if (align == text_align_) return;
  text_align_ = align;
  int code = 0;
  unsigned h = align & kHorizontalAlignMask, v = align & kVerticalAlignMask;
  if (h == kAlignRight) code |= 2;
  if (h == kAlignCentre) code |= 6;
  if (v == kAlignBottom) code |= 8;
  if (v == kAlignBaseline) code |= 24;
  SimpleRecord(kSetTextAlign, {code});
}

void WmfCanvas::Text(Point p, std::string_view text, unsigned align) {
  if (text.empty()) return;
  std::string_view shown = text.substr(0, 0x7FFF);
  SetTextAlign(align);
  BeginRecord(kExtTextOut);
  Put16(Coordinate(p.y));
  Put16(Coordinate(p.x));
  Put16(static_cast<int>(shown.size()));
  Put16(0);  // no options, so no rectangle
  records_.append(shown);
  if (shown.size() % 2) records_.push_back('\0');
  EndRecord();
}

void WmfCanvas::StretchImage(const IndexedImage& image, Rect destination) {
  if (image.width <= 0 || image.height <= 0) return;
  const std::size_t colours = std::min<std::size_t>(image.palette.size(), 256);
  const std::size_t row_bytes = (static_cast<std::size_t>(image.width) + 3) / 4 * 4;
  BeginRecord(kStretchDib);
  Put32(kSrcCopy);
  Put16(0);  // colours are RGB values
  Put16(image.height);
  Put16(image.width);
  Put16(0);
  Put16(0);
  Put16(Coordinate(destination.bottom) - Coordinate(destination.top));
  Put16(Coordinate(destination.right) - Coordinate(destination.left));
  Put16(Coordinate(destination.top));
  Put16(Coordinate(destination.left));
  // Bitmap information header, colour table, then bottom-up rows.
  Put32(40);
  Put32(static_cast<std::uint32_t>(image.width));
  Put32(static_cast<std::uint32_t>(image.height));
  Put16(1);
  Put16(8);
  Put32(0);
  Put32(static_cast<std::uint32_t>(row_bytes * image.height));
  Put32(0);
  Put32(0);
  Put32(static_cast<std::uint32_t>(colours));
  Put32(0);
  for (std::size_t i = 0; i < colours; ++i) {
    const Rgb& c = image.palette[i];
    records_.push_back(static_cast<char>(c.b));
    records_.push_back(static_cast<char>(c.g));
    records_.push_back(static_cast<char>(c.r));
    records_.push_back('\0');
  }
  for (int y = image.height - 1; y >= 0; --y) {
    records_.append(reinterpret_cast<const char*>(image.Row(y)), image.width);
    records_.append(row_bytes - image.width, '\0');
  }
  EndRecord();
}

void WmfCanvas::SetClip(Rect r) {
  ClearClip();
  SimpleRecord(kSaveDc, {});
  clip_saved_ = true;
  BeginRecord(kIntersectClipRect);
  PutRect(r);
  EndRecord();
}

void WmfCanvas::ClearClip() {
  if (!clip_saved_) return;
  SimpleRecord(kRestoreDc, {-1});
  clip_saved_ = false;
  // The restore brought back the objects and modes of the saved state:
  // select the current ones again, then free what was replaced meanwhile.
  SimpleRecord(kSelectObject, {pen_slot_});
  SimpleRecord(kSelectObject, {brush_slot_});
  SimpleRecord(kSelectObject, {font_slot_});
  BeginRecord(kSetTextColor);
  Put32(ColourRef(text_colour_));
  EndRecord();
  SimpleRecord(kSetPolyFillMode, {fill_mode_ == FillMode::Alternate ? 1 : 2});
  unsigned align = text_align_;
  text_align_ = ~0u;
  SetTextAlign(align);
  std::vector<int> pending;
  pending.swap(deferred_deletes_);
  for (int slot : pending) ReleaseObject(slot);
}

std::string WmfCanvas::MetafileBytes() const {
  std::string out;
  const std::uint32_t total_words = 9 + static_cast<std::uint32_t>(records_.size() / 2) + 3;
  Append16(out, 1);       // metafile in a file
  Append16(out, 9);       // header size in words
  Append16(out, 0x0300);  // version
  Append32(out, total_words);
  Append16(out, static_cast<int>(std::max<std::size_t>(slots_.size(), 1)));
  Append32(out, std::max<std::uint32_t>(max_record_words_, 3));
  Append16(out, 0);
  out += records_;
  if (clip_saved_) {
    // Close an open clip state so that players see balanced saves.
    Append32(out, 4);
    Append16(out, kRestoreDc);
    Append16(out, -1);
    std::string header_words;
    Append32(header_words, total_words + 4);
    out.replace(6, 4, header_words);
  }
  Append32(out, 3);
  Append16(out, kEof);
  return out;
}

std::string PlaceableHeader(int left, int top, int right, int bottom, int units_per_inch) {
  std::string header;
  Append32(header, kPlaceableKey);
  Append16(header, 0);
  Append16(header, left);
  Append16(header, top);
  Append16(header, right);
  Append16(header, bottom);
  Append16(header, units_per_inch);
  Append32(header, 0);
  Append16(header, PlaceableChecksum(header));
  return header;
}

std::uint16_t PlaceableChecksum(std::string_view header) {
  std::uint16_t sum = 0;
  for (std::size_t i = 0; i + 1 < header.size() && i < 20; i += 2)
    sum ^= le::Get<std::uint16_t>(header, i);
  return sum;
}

bool SaveMetafile(const std::string& path, const WmfCanvas& canvas) {
  std::string bytes = PlaceableHeader(0, 0, canvas.width(), canvas.height(), kMetafileUnitsPerInch);
  bytes += canvas.MetafileBytes();
  return WriteFileAtomically(path, bytes);
}

}  // namespace quarrix
