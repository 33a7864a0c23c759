#pragma once
// Centres a dialog on the main frame (or the desktop) while it initialises,
// with its size capped at 1024 x 768 and an optional vertical offset.
class QWidget;

namespace quarrix {

void CentreWindow(QWidget* window, QWidget* reference, int vertical_offset = 0,
                  bool on_desktop = false);

}  // namespace quarrix
