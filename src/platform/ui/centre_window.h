#pragma once
// Where dialogs and companion windows open: dialogs centred over the window
// that owns them (or the desktop) and wide enough for their caption; companion
// windows beside their owner, never over its menus.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quarrix {

// Centres a window over its reference (or the screen) before it is shown,
// widening it first when its caption would not fit, and keeps it on the
// screen. The size used for centring is capped at 1024 x 768; the optional
// offset moves it down.
void CentreWindow(QWidget* window, QWidget* reference, int vertical_offset = 0,
                  bool on_desktop = false);

// The top-left corner for a window of size beside the owner's frame: to its
// right when that fits on the screen, else to its left, else over the owner's
// right edge; top edges aligned, the window kept on the screen.
QPoint PlaceBeside(const QRect& owner_frame, const QSize& size, const QRect& screen);
// Shows a companion window beside its owner (see PlaceBeside).
void ShowBeside(QWidget* window, QWidget* owner);

// The width a window needs to show its caption in the title bar.
int CaptionWidth(const QWidget* window);

}  // namespace quarrix
