#pragma once
// Edits a user makes in the spreadsheet by hand: typing into a cell, pasting
// text copied from another program, clearing, filling a selection from its
// first cell. Each edit remembers the cells it replaced, so the last one can
// be undone (and undoing again puts it back).
#include <string>
#include <vector>

#include "exchange/sheet_table.h"

namespace quarrix {

// A rectangle of cells, 1-based and inclusive.
struct SheetBlock {
  int first_row = 0, first_column = 0, last_row = 0, last_column = 0;
  bool empty() const {
    return first_row <= 0 || first_column <= 0 || last_row < first_row ||
           last_column < first_column;
  }
};

// Clipboard text as rows of cells. Rows end at LF (a CR before it is
// dropped); cells are split at tabs when the text has any (spreadsheet
// programs), else at commas (text editors, comma-separated files). A cell in
// double quotes may hold the separator; "" inside it is one quote.
std::vector<std::vector<std::string>> ParseClipboardText(const std::string& text);

enum class FillDirection { Down, Right };

class SheetEditHistory {
 public:
  // The last edit's cells put back as they were; false when there is none or
  // the sheet is in virtual mode (whose records are not edited).
  bool Undo(SheetTable& table);
  bool CanUndo() const { return !cells_.empty(); }
  void Forget() { cells_.clear(); }

  // One cell typed in.
  void EditCell(SheetTable& table, int row, int column, std::string text);
  // Pasted text from the cell (row, column) onwards; returns the block it
  // covered (empty when the text has no cells).
  SheetBlock Paste(SheetTable& table, int row, int column, const std::string& text);
  // Every cell of the block emptied ("Clear", Delete).
  void Clear(SheetTable& table, const SheetBlock& block);
  // The first row (Down) or first column (Right) of the block copied over the
  // rest of it.
  void Fill(SheetTable& table, const SheetBlock& block, FillDirection direction);

 private:
  struct SavedCell {
    int row, column;
    std::string text;
  };
  // Starts a new edit: remembers the block's present cells.
  void Remember(const SheetTable& table, const SheetBlock& block);

  std::vector<SavedCell> cells_;
};

}  // namespace quarrix
