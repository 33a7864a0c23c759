#include "loader/ui/header_scan_dialog.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

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
  SizeToShowTheWords();
}

// Every column whole, and as many rows as the screen allows up to the last
// 32-bit word; when the usual line and trace words (bytes 189 and 193) would
// still be below the bottom, the table opens scrolled down to them.
void HeaderScanDialog::SizeToShowTheWords() {
  constexpr int kLineTraceRow = 49;
  QRect screen = QGuiApplication::primaryScreen()
                     ? QGuiApplication::primaryScreen()->availableGeometry()
                     : QRect(0, 0, 1024, 768);
  // The menu bar, the summary line under the table and the margins.
  int chrome = layout()->menuBar()->sizeHint().height() + 2 * layout()->contentsMargins().top();
  if (auto* summary = findChild<QLabel*>())
    chrome += summary->sizeHint().height() + layout()->spacing();
  int height = std::min(chrome + grid_->HeightForRows(kWords32), screen.height() * 9 / 10);
  int width = std::min(grid_->WidthForColumns() + 2 * layout()->contentsMargins().left(),
                       screen.width() * 9 / 10);
  resize(width, height);
  int visible_rows =
      (height - chrome - grid_->HeightForRows(0)) / grid_->verticalHeader()->defaultSectionSize();
  if (visible_rows < kLineTraceRow) {
    // Scrolling needs the table's final size, known once the dialog is up.
    QTimer::singleShot(0, grid_, [grid = grid_] {
      grid->scrollTo(grid->model()->index(kLineTraceRow - 1, 0),
                     QAbstractItemView::PositionAtBottom);
    });
  }
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
