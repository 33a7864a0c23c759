#include "loader/ui/header_scan_dialog.h"

#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/prompter.h"

namespace quarrix {

HeaderScanDialog::HeaderScanDialog(const HeaderScanTables& tables, bool two_d, Prompter& prompter,
                                   QWidget* parent)
    : QDialog(parent),
      tables_(tables),
      two_d_(two_d),
      prompter_(prompter),
      source_(tables_, marks_),
      grid_(new SpreadsheetGrid(this)) {
  setWindowTitle("Header Information");
  auto* menu_bar = new QMenuBar(this);
  auto add = [this](QAction* action, int id) {
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    actions_[id] = action;
  };
  add(menu_bar->addAction("&Cancel"), kCancel);
  QMenu* select = menu_bar->addMenu("&Select");
  add(select->addAction("&Line"), kLine);
  add(select->addAction("&Trace"), kTrace);
  add(menu_bar->addAction("&Do Conversion"), kDoConversion);
  actions_[kLine]->setEnabled(!two_d);

  grid_->SetSource(source_);
  for (int column = 1; column <= kScanTableColumns; ++column)
    grid_->SetColumnWidthChars(column, kScanTableWidths[column - 1]);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu_bar);
  layout->addWidget(grid_);
  layout->addWidget(new QLabel(QString::fromStdString(ScanSummaryText(tables)), this));
  resize(620, 520);
}

QAction* HeaderScanDialog::action(int command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

void HeaderScanDialog::MarkActiveCell(WordMark kind) {
  SheetCell cell = grid_->ActiveCell();
  marks_.Mark(kind, cell.row, cell.column);
  grid_->Refresh();
}

void HeaderScanDialog::Dispatch(int command) {
  switch (command) {
    case kCancel: reject(); break;
    case kLine:
      if (!two_d_) MarkActiveCell(WordMark::Line);
      break;
    case kTrace: MarkActiveCell(WordMark::Trace); break;
    case kDoConversion: {
      std::string problem;
      std::optional<HeaderWordChoice> choice = marks_.Choice(two_d_, problem);
      if (!choice) {
        prompter_.Tell(problem, "", MessageIcon::Warning);
        return;
      }
      choice_ = *choice;
      accept();
      break;
    }
    default: break;
  }
}

}  // namespace quarrix
