#include "loader/ui/status_windows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarrix {

MessagesWindow::MessagesWindow(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle("Messages");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  resize(520, 360);
}

void MessagesWindow::AddLine(const std::string& line) {
  list_->addItem(QString::fromStdString(line));
  list_->scrollToBottom();
}

QStringList MessagesWindow::Lines() const {
  QStringList lines;
  for (int k = 0; k < list_->count(); ++k) lines << list_->item(k)->text();
  return lines;
}

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent),
      bar_(new QProgressBar(this)),
      label_(new QLabel(this)),
      cancel_(new QPushButton("Cancel", this)) {
  setWindowTitle("Ingestor");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  resize(360, 120);
}

void ProgressWindow::Appear() {
  if (!isVisible()) show();
  QCoreApplication::processEvents();
}

void ProgressWindow::SetRange(int minimum, int maximum) {
  bar_->setRange(minimum, maximum);
  Appear();
}

void ProgressWindow::SetPosition(int position) {
  bar_->setValue(position);
  QCoreApplication::processEvents();
}

void ProgressWindow::SetLabel(const std::string& text) {
  label_->setText(QString::fromStdString(text));
  Appear();
}

bool ProgressWindow::Cancelled() {
  QCoreApplication::processEvents();
  return cancelled_;
}

QString ProgressWindow::label_text() const {
  return label_->text();
}

PleaseWaitWindow::PleaseWaitWindow(QWidget* parent) : QDialog(parent), label_(new QLabel(this)) {
  setWindowTitle("Please Wait");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  resize(280, 80);
}

void PleaseWaitWindow::ShowText(const QString& text) {
  label_->setText(text);
  show();
  QCoreApplication::processEvents();
}

}  // namespace quarrix
