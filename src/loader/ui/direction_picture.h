#pragma once
// The coverage picture of "Determine Direction": one cell per line and trace
// number stretched over the window less a 48-pixel margin, framed, with
// ticks and "T%d" / "L%d" labels along the two edges that meet at the first
// line and first trace of the candidate corner.
#include <QWidget>

#include "loader/load_decisions.h"

namespace quarrix {

// How a corner lays the grid out on the screen. Corners 1 to 4 run traces
// across and lines down, 5 to 8 the other way round; the corner's signs of
// the map placement decide on which side the numbers start.
struct DirectionAxes {
  bool lines_across = false;     // lines run across the picture (corners 5 to 8)
  bool across_reversed = false;  // numbers across grow from right to left
  bool down_upward = false;      // numbers down grow from bottom to top
};
DirectionAxes AxesForCorner(int corner);

// The label step along an axis: 10 x trunc(trunc(factor x text / cell) / 10),
// and 10 when that is 0 (text: the extent of "0000"; cell: a cell's extent).
int TickStep(int factor, int text_extent, double cell_extent);

class DirectionPicture : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kMargin = 48;

  DirectionPicture(const CoverageGrid& grid, QWidget* parent = nullptr);
  void SetCorner(int corner);
  int corner() const { return corner_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const CoverageGrid& grid_;
  int corner_ = 4;
};

}  // namespace quarrix
