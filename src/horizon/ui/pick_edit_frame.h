#pragma once
// The pick/edit frame: the workspace of section pick windows and map windows.
// It exists once a project is open and stays hidden until "Pick-Edit Horizon".
#include <QMainWindow>
#include <vector>

namespace quarrix {

class PickEditFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit PickEditFrame(QWidget* parent = nullptr);

  // The frame's command dispatch; the main frame forwards its accelerators here.
  void Dispatch(int command_id);
  // Commands received so far, newest last.
  const std::vector<int>& received_commands() const { return received_; }

 private:
  std::vector<int> received_;
};

}  // namespace quarrix
