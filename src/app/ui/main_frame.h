#pragma once
// The interpretation program's main frame.
#include <QMainWindow>

#include "app/session.h"

namespace quarrix {

class QtPrompter;

class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainFrame(Session& session, QWidget* parent = nullptr);
  ~MainFrame() override;

  // Opens the project of a header file; false (after telling the user) on failure.
  bool OpenProjectFile(const QString& header_path);
  // The File menu's "&Open": the "OPEN HEADER FILE" dialog, then the project.
  void CommandOpen();
  void CommandClose();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void UpdateTitle();

  Session& session_;
  QtPrompter* prompter_;
};

}  // namespace quarrix
