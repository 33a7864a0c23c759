#pragma once
// The loader program's main window (its chain of load dialogs comes later).
#include <QMainWindow>

namespace quarrix {

class LoaderWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit LoaderWindow(QWidget* parent = nullptr);
};

}  // namespace quarrix
