#pragma once
// Progress of the windowed programs: a modeless progress dialog whose Cancel
// button stops the work; events are pumped at every step so the window stays live.
#include <QProgressDialog>

#include "platform/progress.h"

namespace quarrix {

class QtProgress : public Progress {
 public:
  QtProgress(QWidget* parent, const QString& title);
  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  void SetLabel(const std::string& text) override;
  bool Cancelled() override;

 private:
  QProgressDialog dialog_;
};

}  // namespace quarrix
