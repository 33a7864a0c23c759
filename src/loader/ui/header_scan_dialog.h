#pragma once
// "Header Information": the range of every trace-header word in the grid, in
// which the user marks the line and trace words ("&Select" menu) before
// "&Do Conversion".
#include <QDialog>

#include "loader/header_scan.h"
#include "platform/ui/spreadsheet_grid.h"

class QAction;

namespace quarrix {

class Prompter;

// The scan tables and marks as the grid's cells.
class ScanTableSource : public CellTextSource {
 public:
  ScanTableSource(const HeaderScanTables& tables, const HeaderScanMarks& marks)
      : tables_(tables), marks_(marks) {}
  int Rows() const override { return kScanTableRows; }
  int Columns() const override { return kScanTableColumns; }
  std::string Heading(int column) const override { return kScanTableHeadings[column - 1]; }
  std::string RowHeading(int row) const override { return ScanTableRowHeading(row); }
  std::string CellText(int row, int column) const override {
    return ScanTableCell(tables_, marks_, row, column);
  }

 private:
  const HeaderScanTables& tables_;
  const HeaderScanMarks& marks_;
};

class HeaderScanDialog : public QDialog {
  Q_OBJECT
 public:
  // Command identifiers of the dialog's menu.
  enum Command { kCancel = 1, kLine = 2, kTrace = 3, kDoConversion = 4 };

  HeaderScanDialog(const HeaderScanTables& tables, bool two_d, Prompter& prompter,
                   QWidget* parent = nullptr);

  void Dispatch(int command);
  QAction* action(int command) const;
  SpreadsheetGrid* grid() const { return grid_; }
  // The chosen words once "&Do Conversion" has closed the dialog.
  const HeaderWordChoice& choice() const { return choice_; }

 private:
  void MarkActiveCell(WordMark kind);
  void SizeToShowTheWords();

  const HeaderScanTables& tables_;
  bool two_d_;
  Prompter& prompter_;
  HeaderScanMarks marks_;
  ScanTableSource source_;
  SpreadsheetGrid* grid_;
  std::map<int, QAction*> actions_;
  HeaderWordChoice choice_;
};

}  // namespace quarrix
