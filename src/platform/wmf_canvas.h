#pragma once
// A canvas that records a standard Windows metafile at 96 units per inch:
// header, GDI object table with create/select/delete records, drawing
// records, window origin and extent. SaveMetafile writes it as a placeable
// metafile (the 22-byte header with bounding box and checksum, then the
// recording), which is what the plot windows save whatever the extension.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quarrix {

inline constexpr int kMetafileUnitsPerInch = 96;
inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

class WmfCanvas : public Canvas {
 public:
  // The drawing's extent in metafile units; SetBounds may change it until
  // the recording is finished.
  WmfCanvas(int width, int height);

  void SetBounds(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  DeviceInfo Device() const override;
  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetFont(const Font& font) override;
  void SetTextColour(Rgb colour) override;
  void SetFillMode(FillMode mode) override;
  void MoveTo(Point p) override;
  void LineTo(Point p) override;
  using Canvas::Polygon;
  using Canvas::Polyline;
  void Polyline(const Point* points, std::size_t count) override;
  void Polygon(const Point* points, std::size_t count) override;
  void PolyPolygon(const Point* points, const int* counts, std::size_t polygon_count) override;
  void Rectangle(Rect r) override;
  void Ellipse(Rect r) override;
  void Text(Point p, std::string_view text, unsigned align) override;
  double TextWidth(std::string_view text) override { return EstimatedTextWidth(text, font_); }
  void StretchImage(const IndexedImage& image, Rect destination) override;
  void SetClip(Rect r) override;
  void ClearClip() override;

  // The complete standard metafile: header, records and the end record.
  std::string MetafileBytes() const;

 private:
  enum class ObjectKind { Pen, Brush, Font };
  void BeginRecord(std::uint16_t function);
  void EndRecord();
  void Put16(int value);
  void Put32(std::uint32_t value);
  void PutPoint(Point p);
  void PutRect(Rect r);  // bottom, right, top, left
  void SimpleRecord(std::uint16_t function, std::initializer_list<int> params);
  int AllocateObject();
  void Select(ObjectKind kind, int slot);
  void ReleaseObject(int slot);
  void SetTextAlign(unsigned align);

  int width_, height_;
  std::string records_;
  std::size_t record_start_ = 0;
  std::size_t window_ext_offset_ = 0;
  std::uint32_t max_record_words_ = 0;
  std::vector<bool> slots_;  // object table: true where a slot is in use
  int pen_slot_ = -1, brush_slot_ = -1, font_slot_ = -1;
  std::vector<int> deferred_deletes_;  // replaced while a clip state is saved
  bool clip_saved_ = false;
  Font font_;
  Rgb text_colour_;
  unsigned text_align_ = 0;
  FillMode fill_mode_ = FillMode::Alternate;
};

// The 22-byte placeable header for a drawing of the given bounding box.
std::string PlaceableHeader(int left, int top, int right, int bottom, int units_per_inch);
// Exclusive-or of the ten 16-bit words at the start of a placeable header.
std::uint16_t PlaceableChecksum(std::string_view header);

// Writes the placeable metafile (header and recording) to path through a
// temporary file and a rename; false when it cannot be written.
bool SaveMetafile(const std::string& path, const WmfCanvas& canvas);

}  // namespace quarrix
