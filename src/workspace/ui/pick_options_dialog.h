#pragma once
// "Pick Options": the pick style and type, the pick window, the pens of the
// current horizon and of the previous picks. Shows and returns PickOptions.
#include <QDialog>

#include "workspace/pick_options.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSpinBox;

namespace quarrix {

class PickOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  PickOptionsDialog(const PickOptions& options, QWidget* parent = nullptr);
  PickOptions values() const;

  QButtonGroup* style_group() const { return style_; }
  QButtonGroup* type_group() const { return type_; }
  QSpinBox* pick_window() const { return window_; }
  QCheckBox* erase() const { return erase_; }

 private:
  PickOptions options_;
  QButtonGroup *style_, *type_, *advance_;
  QCheckBox *erase_, *auto_update_, *last_display_;
  QSpinBox *window_, *snap_, *width_, *previous_width_;
  QComboBox *colour_, *previous_colour_;
};

}  // namespace quarrix
