#pragma once
// The Import/Export window: the spreadsheet grid over the exchange document,
// its menus built from the command table, and the clipboard, dialogs and
// printing the core commands hand back to it.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "exchange/import_export_commands.h"
#include "exchange/sheet_print.h"

class QDialog;

namespace quarrix {

class CommandHost;
class Prompter;
class SpreadsheetGrid;
struct ProjectState;

class ImportExportWindow : public QMainWindow {
  Q_OBJECT
 public:
  // prompter: where messages and file questions go (Qt dialogs when null).
  ImportExportWindow(const ProjectState& project, Prompter* prompter = nullptr,
                     QWidget* parent = nullptr);
  ~ImportExportWindow() override;

  void Dispatch(int command_id);
  ImportExportDocument& document() { return doc_; }
  SpreadsheetGrid* grid() const { return grid_; }
  CommandHost& commands() { return *commands_; }

  // Runs a modal dialog; tests replace it to fill in and accept dialogs.
  std::function<bool(QDialog&)> run_dialog;
  // Prints the planned pages; tests replace it to look at the pages.
  std::function<void(const std::vector<SheetPage>&, Rect area)> print_pages;
  std::function<void(QWidget*)> show_help;

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class SheetSource;
  void WindowCommand(int id);
  void SheetChanged();
  void FollowSelection();
  void CopySelection(bool cut);
  void PasteClipboard();
  void ExportAscii();
  void ExportHorizon();
  void PrintSheet();
  // "Spreadsheet Print Options"; false when cancelled.
  bool AskPrintOptions();
  std::optional<std::vector<std::string>> ChooseNames(const std::vector<std::string>& names,
                                                      bool multiple);
  bool EditGroupAttributes(const std::string& group, WellAttributes& attributes);

  const ProjectState& project_;
  ImportExportDocument doc_;
  std::unique_ptr<SheetSource> source_;
  SpreadsheetGrid* grid_;
  CommandHost* commands_;
  char export_delimiter_ = '\t';
  bool export_selected_ = false;
  SheetPrintOptions print_options_;
};

}  // namespace quarrix
