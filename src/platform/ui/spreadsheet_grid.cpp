#include "platform/ui/spreadsheet_grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

namespace quarrix {

int CellTextModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int CellTextModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant CellTextModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return QString::fromStdString(source_.CellText(index.row() + 1, index.column() + 1));
}

QVariant CellTextModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) {
    QString heading = QString::fromStdString(source_.RowHeading(section + 1));
    return heading.isEmpty() ? QVariant(section + 1) : QVariant(heading);
  }
  QString heading = QString::fromStdString(source_.Heading(section + 1));
  return heading.isEmpty() ? QString::fromStdString(ColumnLetters(section + 1)) : heading;
}

Qt::ItemFlags CellTextModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (editable_ && index.isValid() && editable_->CellEditable(index.row() + 1, index.column() + 1))
    flags |= Qt::ItemIsEditable;
  return flags;
}

bool CellTextModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!editable_ || !index.isValid() || role != Qt::EditRole) return false;
  if (!editable_->SetCellText(index.row() + 1, index.column() + 1, value.toString().toStdString()))
    return false;
  emit dataChanged(index, index);
  return true;
}

void CellTextModel::Refresh() {
  if (source_.Rows() != rows_ || source_.Columns() != columns_) {
    beginResetModel();
    rows_ = source_.Rows();
    columns_ = source_.Columns();
    endResetModel();
    return;
  }
  if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  if (rows_ > 0 && columns_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

SpreadsheetGrid::SpreadsheetGrid(QWidget* parent) : QTableView(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void SpreadsheetGrid::SetSource(const CellTextSource& source) {
  Adopt(new CellTextModel(source, this));
}

void SpreadsheetGrid::SetEditableSource(CellTextSource& source) {
  Adopt(new CellTextModel(source, this));
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
}

void SpreadsheetGrid::Adopt(CellTextModel* model) {
  CellTextModel* old = model_;
  model_ = model;
  setModel(model_);
  delete old;
}

void SpreadsheetGrid::SetColumnWidthChars(int column, int characters) {
  setColumnWidth(column - 1, fontMetrics().horizontalAdvance(QString(characters, '0')) + 8);
}

SheetCell SpreadsheetGrid::ActiveCell() const {
  QModelIndex index = currentIndex();
  if (!index.isValid()) return {};
  return {index.row() + 1, index.column() + 1};
}

void SpreadsheetGrid::SetActiveCell(SheetCell cell) {
  if (model_) setCurrentIndex(model_->index(cell.row - 1, cell.column - 1));
}

QString SpreadsheetGrid::CellText(int row, int column) const {
  if (!model_) return {};
  return model_->data(model_->index(row - 1, column - 1), Qt::DisplayRole).toString();
}

int SpreadsheetGrid::HeightForRows(int rows) const {
  int row_height = verticalHeader()->defaultSectionSize();
  return horizontalHeader()->sizeHint().height() + rows * row_height + 2 * frameWidth() +
         horizontalScrollBar()->sizeHint().height();
}

int SpreadsheetGrid::WidthForColumns() const {
  int width = verticalHeader()->sizeHint().width() + 2 * frameWidth() +
              verticalScrollBar()->sizeHint().width();
  for (int column = 0; model_ && column < model_->columnCount(); ++column)
    width += columnWidth(column);
  return width;
}

void SpreadsheetGrid::Refresh() {
  if (model_) model_->Refresh();
}

}  // namespace quarrix
