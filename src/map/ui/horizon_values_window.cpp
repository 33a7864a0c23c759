#include "map/ui/horizon_values_window.h"

#include <QVBoxLayout>

namespace quarrix {

HorizonValuesTable::HorizonValuesTable(const HorizonPlotDocument& document)
    : HorizonValuesTable(document.grid, document.header, document.data.zoom) {}

HorizonValuesTable::HorizonValuesTable(const HorizonGrid& grid, const SurveyHeader& header,
                                       const MapZoom& zoom)
    : grid_(grid), header_(header), zoom_(zoom) {}

std::string HorizonValuesTable::Heading(int column) const {
  if (column == 1) return "Line";
  return std::to_string(header_.TraceNumber(zoom_.first_column + column - 2));
}

std::string HorizonValuesTable::CellText(int row, int column) const {
  const int r = zoom_.first_row + row - 1;
  if (column == 1) return std::to_string(header_.LineNumber(r));
  const std::int16_t value = grid_.At(r, zoom_.first_column + column - 2);
  return value == HORIZON_NULL ? "" : std::to_string(value);
}

HorizonValuesWindow::HorizonValuesWindow(const HorizonPlotDocument& document, QWidget* parent)
    : HorizonValuesWindow(document.grid, document.header, document.data.zoom,
                          document.data.file_name, parent) {
  setProperty("help_page", "presentation_horizon_plot");
}

HorizonValuesWindow::HorizonValuesWindow(const HorizonGrid& grid, const SurveyHeader& header,
                                         const MapZoom& zoom, const std::string& file_name,
                                         QWidget* parent)
    : QDialog(parent), table_(grid, header, zoom), grid_(new SpreadsheetGrid(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setWindowTitle("View Horizon -- " + QString::fromStdString(file_name));
  grid_->SetSource(table_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  resize(640, 480);
}

}  // namespace quarrix
