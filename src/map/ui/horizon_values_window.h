#pragma once
// "Horizon Values": the plotted grid as a modeless table, one row per line of
// the zoom window and one column per trace (headed by its number) after the
// line number; null cells read as empty.
#include <QDialog>

#include "map/horizon_plot_document.h"
#include "platform/ui/spreadsheet_grid.h"

namespace quarrix {

class HorizonValuesTable : public CellTextSource {
 public:
  explicit HorizonValuesTable(const HorizonPlotDocument& document);
  HorizonValuesTable(const HorizonGrid& grid, const SurveyHeader& header, const MapZoom& zoom);
  int Rows() const override { return zoom_.Rows(); }
  int Columns() const override { return zoom_.Columns() + 1; }
  std::string Heading(int column) const override;
  std::string CellText(int row, int column) const override;

 private:
  HorizonGrid grid_;  // a copy: the plot may open another file meanwhile
  SurveyHeader header_;
  MapZoom zoom_;
};

class HorizonValuesWindow : public QDialog {
  Q_OBJECT
 public:
  HorizonValuesWindow(const HorizonPlotDocument& document, QWidget* parent = nullptr);
  // Any grid of the survey over a zoom window, titled with its file's name.
  HorizonValuesWindow(const HorizonGrid& grid, const SurveyHeader& header, const MapZoom& zoom,
                      const std::string& file_name, QWidget* parent = nullptr);
  SpreadsheetGrid* grid() const { return grid_; }

 private:
  HorizonValuesTable table_;
  SpreadsheetGrid* grid_;
};

}  // namespace quarrix
