#pragma once
// The drawing surface of a plot window. It renders the window's draw function
// through a QtCanvas into an image of the whole plot (or, for large plots, of
// the part in view: SetDrawExposedOnly), keeps the geometry the drawing
// returns for the mouse, scrolls, hands mouse and key events to the active
// tool and reports the pointer in plot coordinates. Print and file output
// reuse the same draw function (plot_drawing()), which draws all of the plot.
#include <QAbstractScrollArea>
#include <QImage>
#include <any>
#include <functional>

#include "platform/canvas.h"
#include "platform/plot_output.h"

namespace quarrix {

class InteractionTool;
class Progress;

// Draws the plot on any canvas and returns what the mouse needs to turn a
// point into a position of the plot. Progress (null for files and printers)
// takes the percentage done and may stop the drawing.
using PlotDrawFunction = std::function<std::any(Canvas&, Progress*)>;
// The plot's size in device units on a device.
using PlotSizeFunction = std::function<QSizeF(const DeviceInfo&)>;

class PlotView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit PlotView(QWidget* parent = nullptr);
  ~PlotView() override;

  void SetPlot(PlotDrawFunction draw, PlotSizeFunction size);
  // Draws the plot again (after the current event); a drawing in progress is
  // stopped and started over.
  void Redraw();
  // Draws now and returns when done (tests, printing a series).
  void RedrawNow();
  // Shows an image in place of the plot until the next Redraw.
  void ShowImage(const QImage& image);
  // Stops a drawing in progress; what was drawn stays.
  void CancelDrawing() { cancel_requested_ = true; }
  void SetTool(InteractionTool* tool) { tool_ = tool; }
  // Draws only the part of the plot in view, telling the draw function that
  // part through DeviceInfo::exposed, and draws again when scrolling or a
  // larger window shows more. A view not on screen draws the whole plot.
  void SetDrawExposedOnly(bool on) { exposed_only_ = on; }

  bool drawing() const { return drawing_; }
  // What was drawn last and where its top left lies in the plot (0, 0
  // unless only the exposed part is drawn).
  const QImage& image() const { return image_; }
  QPoint image_origin() const { return image_origin_; }
  const std::any& geometry() const { return geometry_; }
  // The screen device the plot is drawn for.
  DeviceInfo device() const;
  // The draw function as plot output takes it.
  DrawPlot plot_drawing() const;
  // Widget point to plot point (scrolling taken out).
  Point ToPlot(QPoint widget_point) const;

 signals:
  void cursorMoved(double x, double y);
  void drawProgress(int percent);
  void drawStarted();
  void drawFinished(bool cancelled);
  void notice(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  class DrawProgress;
  void Render();
  void UpdateScrollRanges();
  QRect VisiblePart() const;
  void RedrawIfUncovered();
  void Apply(const struct ToolEffect& effect);

  PlotDrawFunction draw_;
  PlotSizeFunction size_;
  QImage image_;
  QPoint image_origin_;
  QSize plot_size_;  // of the plot drawn, or of the image shown
  std::any geometry_;
  InteractionTool* tool_ = nullptr;
  bool drawing_ = false;
  bool redraw_pending_ = false;
  bool cancel_requested_ = false;
  bool exposed_only_ = false;
  bool showing_image_ = false;
  bool placing_ = false;
};

}  // namespace quarrix
