#pragma once
// The spreadsheet grid component: a table of text cells under column
// headings, with an active cell, on Qt model/view. Any table whose cells read
// as text sits under it through a CellTextSource; rows and columns are
// numbered from 1 as the grid's users count them.
#include <QAbstractTableModel>
#include <QTableView>
#include <string>

#include "platform/text_util.h"

namespace quarrix {

class CellTextSource {
 public:
  virtual ~CellTextSource() = default;
  virtual int Rows() const = 0;
  virtual int Columns() const = 0;
  // The heading above a column; "" shows the column's letters (A, B, ...).
  virtual std::string Heading(int column) const { return ""; }
  // The heading beside a row; "" shows the row's number.
  virtual std::string RowHeading(int row) const { return ""; }
  virtual std::string CellText(int row, int column) const = 0;
  // Sources the user may type into take the text of an edited cell; false
  // refuses it (and makes the cell read-only).
  virtual bool CellEditable(int row, int column) const { return false; }
  virtual bool SetCellText(int row, int column, const std::string& text) { return false; }
};

// A Qt table model over a CellTextSource (read-only; the source tells it
// when cells change through Refresh).
class CellTextModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit CellTextModel(const CellTextSource& source, QObject* parent = nullptr)
      : QAbstractTableModel(parent),
        source_(source),
        rows_(source.Rows()),
        columns_(source.Columns()) {}
  // A source whose cells the user may edit.
  explicit CellTextModel(CellTextSource& source, QObject* parent = nullptr)
      : CellTextModel(static_cast<const CellTextSource&>(source), parent) {
    editable_ = &source;
  }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  // Every cell, heading and the size may have changed.
  void Refresh();

 private:
  const CellTextSource& source_;
  CellTextSource* editable_ = nullptr;
  int rows_ = 0, columns_ = 0;  // the size the views were last told
};

struct SheetCell {
  int row = 0, column = 0;  // 1-based; 0 when there is none
  bool operator==(const SheetCell&) const = default;
};

class SpreadsheetGrid : public QTableView {
  Q_OBJECT
 public:
  explicit SpreadsheetGrid(QWidget* parent = nullptr);

  // Shows a source (which must outlive the grid or the next SetSource).
  void SetSource(const CellTextSource& source);
  // Shows a source the user edits: typing, F2 or a double click opens a cell.
  void SetEditableSource(CellTextSource& source);
  // Width of a 1-based column in characters of the grid's font.
  void SetColumnWidthChars(int column, int characters);
  SheetCell ActiveCell() const;
  void SetActiveCell(SheetCell cell);
  QString CellText(int row, int column) const;
  // The height that shows rows 1 to rows whole, with the headings and frame.
  int HeightForRows(int rows) const;
  // The width that shows every column whole, with the row headings and frame.
  int WidthForColumns() const;
  // Redraws after the source's cells changed.
  void Refresh();

 private:
  void Adopt(CellTextModel* model);

  CellTextModel* model_ = nullptr;
};

}  // namespace quarrix
