#pragma once
// The pieces the Import/Export window's command table is assembled from, one
// menu group per function, and the file question they share.
#include <initializer_list>

#include "exchange/import_export_commands.h"
#include "platform/prompter.h"

namespace quarrix {

struct SheetFilter {
  const char* name;
  const char* pattern;
};

// A file question in the project folder with up to kMaxFileFilters filters.
FileDialogRequest SheetFileRequest(const char* title, std::initializer_list<SheetFilter> filters,
                                   const ProjectState& project);

// The &Wells menu: load wells and groups, group attributes, well tops.
void AddWellCommands(CommandTable& table, ImportExportDocument& doc,
                     const ImportExportContext& context);
// Horizon data in the sheet, arbitrary lines and the Tridex conversions.
void AddHorizonLineCommands(CommandTable& table, ImportExportDocument& doc,
                            const ImportExportContext& context);

}  // namespace quarrix
