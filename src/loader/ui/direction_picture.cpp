#include "loader/ui/direction_picture.h"

#include <QImage>
#include <QPainter>

namespace quarrix {

DirectionAxes AxesForCorner(int corner) {
  DirectionAxes axes;
  axes.lines_across = corner >= 5;
  axes.across_reversed = corner == 2 || corner == 3 || corner == 6 || corner == 7;
  axes.down_upward = corner == 3 || corner == 4 || corner == 5 || corner == 6;
  return axes;
}

int TickStep(int factor, int text_extent, double cell_extent) {
  int step = 0;
  if (cell_extent > 0.0) {
    double cells = factor * text_extent / cell_extent;
    step = cells < 1e9 ? 10 * (static_cast<int>(cells) / 10) : 0;
  }
  return step > 0 ? step : 10;
}

DirectionPicture::DirectionPicture(const CoverageGrid& grid, QWidget* parent)
    : QWidget(parent), grid_(grid) {
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setMinimumSize(2 * kMargin + 80, 2 * kMargin + 80);
}

void DirectionPicture::SetCorner(int corner) {
  corner_ = corner;
  update();
}

void DirectionPicture::paintEvent(QPaintEvent*) {
  QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
  if (area.width() <= 0 || area.height() <= 0 || grid_.rows <= 0 || grid_.columns <= 0) return;
  const DirectionAxes axes = AxesForCorner(corner_);
  const int across = axes.lines_across ? grid_.rows : grid_.columns;
  const int down = axes.lines_across ? grid_.columns : grid_.rows;

  // Covered cells dark, gaps light, so that coverage and orientation show at
  // a glance; a trace known to hold no signal is covered but drawn grey.
  QImage image(across, down, QImage::Format_Indexed8);
  image.setColorTable({qRgb(255, 255, 255), qRgb(150, 150, 150), qRgb(30, 30, 30)});
  image.fill(0);
  for (int row = 0; row < grid_.rows; ++row) {
    for (int column = 0; column < grid_.columns; ++column) {
      std::int16_t cell = grid_.cells[static_cast<std::size_t>(row) * grid_.columns + column];
      if (cell == CoverageGrid::kNoTrace) continue;
      int x = axes.lines_across ? row : column;
      int y = axes.lines_across ? column : row;
      if (axes.across_reversed) x = across - 1 - x;
      if (axes.down_upward) y = down - 1 - y;
      image.setPixel(x, y, cell == 0 ? 1 : 2);
    }
  }
  QPainter painter(this);
  painter.drawImage(area, image);
  painter.setPen(Qt::black);
  painter.drawRect(area.adjusted(0, 0, -1, -1));

  painter.setFont(QFont("Arial", 8));
  QFontMetrics metrics = painter.fontMetrics();
  const double cell_width = static_cast<double>(area.width()) / across;
  const double cell_height = static_cast<double>(area.height()) / down;
  const int step_across = TickStep(2, metrics.horizontalAdvance("0000"), cell_width);
  const int step_down = TickStep(4, metrics.height(), cell_height);
  const char* across_prefix = axes.lines_across ? "L%1" : "T%1";
  const char* down_prefix = axes.lines_across ? "T%1" : "L%1";
  const int across_first = axes.lines_across ? grid_.first_line : grid_.first_trace;
  const int down_first = axes.lines_across ? grid_.first_trace : grid_.first_line;

  // Ticks across sit on the edge where the numbers down start, and the
  // other way round: both meet at the first line and first trace.
  const int tick = 6;
  const bool ticks_at_bottom = axes.down_upward;
  const int edge_y = ticks_at_bottom ? area.bottom() : area.top();
  for (int k = 0; k < across; k += step_across) {
    double offset = (k + 0.5) * cell_width;
    int x = static_cast<int>(axes.across_reversed ? area.right() - offset : area.left() + offset);
    int y_end = ticks_at_bottom ? edge_y + tick : edge_y - tick;
    painter.drawLine(x, edge_y, x, y_end);
    QString label = QString(across_prefix).arg(across_first + k);
    int text_y = ticks_at_bottom ? y_end + metrics.ascent() + 2 : y_end - metrics.descent() - 2;
    painter.drawText(x - metrics.horizontalAdvance(label) / 2, text_y, label);
  }
  const bool ticks_at_right = axes.across_reversed;
  const int edge_x = ticks_at_right ? area.right() : area.left();
  for (int k = 0; k < down; k += step_down) {
    double offset = (k + 0.5) * cell_height;
    int y = static_cast<int>(axes.down_upward ? area.bottom() - offset : area.top() + offset);
    int x_end = ticks_at_right ? edge_x + tick : edge_x - tick;
    painter.drawLine(edge_x, y, x_end, y);
    QString label = QString(down_prefix).arg(down_first + k);
    int text_x = ticks_at_right ? x_end + 2 : x_end - 2 - metrics.horizontalAdvance(label);
    painter.drawText(text_x, y + metrics.ascent() / 2, label);
  }
}

}  // namespace quarrix
