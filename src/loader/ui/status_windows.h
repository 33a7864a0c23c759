#pragma once
// The loader's three modeless windows, made hidden at start and only shown or
// hidden afterwards: the "Messages" list every load step appends to, the
// progress window whose Cancel stops the work, and "Please Wait".
#include <QDialog>
#include <string>

#include "platform/progress.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace quarrix {

class MessagesWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MessagesWindow(QWidget* parent = nullptr);
  void AddLine(const std::string& line);
  QStringList Lines() const;

 private:
  QListWidget* list_;
};

// Shows itself when work sets its range or label; the events of the whole
// program are handled at every step, so the windows stay live during a load.
class ProgressWindow : public QDialog, public Progress {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  void SetLabel(const std::string& text) override;
  bool Cancelled() override;

  // Clears the cancel flag before a new operation.
  void Reset() { cancelled_ = false; }
  QPushButton* cancel_button() const { return cancel_; }
  QString label_text() const;

 private:
  void Appear();

  QProgressBar* bar_;
  QLabel* label_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

class PleaseWaitWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PleaseWaitWindow(QWidget* parent = nullptr);
  // Shows the text and lets the window paint before the caller blocks.
  void ShowText(const QString& text);

 private:
  QLabel* label_;
};

}  // namespace quarrix
