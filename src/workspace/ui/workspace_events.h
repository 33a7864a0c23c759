#pragma once
// The workspace's message hub: a window that changed what others show says
// so here and every other window repaints; a window that wants a section
// shown offers its position, and the first window that takes it shows it.
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace quarrix {

// A position offered to the section windows: a trace index for cross-line
// windows, a line index for in-line windows.
struct PositionNotice {
  enum Kind { Trace, Line } kind = Trace;
  int index = 0;
};

class WorkspaceEvents : public QObject {
  Q_OBJECT
 public:
  using Taker = std::function<bool(const PositionNotice&)>;

  // Tells every window but the source that the horizons changed. picks_only:
  // only picks of horizons or faults changed, so a section window keeps its
  // drawn traces and draws its overlays again.
  void Changed(QObject* source, bool picks_only = false) { emit changed(source, picks_only); }
  // Registers a window that may take offered positions while it lives.
  void AddTaker(QObject* owner, Taker taker);
  // True when a window took the position.
  bool Offer(const PositionNotice& notice);

 signals:
  void changed(QObject* source, bool picks_only);

 private:
  std::vector<std::pair<QPointer<QObject>, Taker>> takers_;
};

}  // namespace quarrix
