#pragma once
// The programs' help: a folder of HTML pages built into each program, one
// page per window and dialog, shown in a browser window. F1 opens the page of
// the window in front; the table in help_pages.cpp says which page that is.
#include <ostream>
#include <string>

class QWidget;

namespace quarrix {

// The property by which a window names its page itself, for a window whose
// page changes with what it shows; it comes before the table.
inline constexpr char kHelpPageProperty[] = "help_page";

// The page (a file name in the help folder) of a window: the one it names in
// kHelpPageProperty, else the table's for its class; a window without a page
// takes its owner's, and index.html is the last resort.
std::string HelpPageFor(const QWidget* window);
// Opens the help at a page, owned by parent.
void ShowHelpPage(QWidget* parent, const std::string& page);
// Opens the help at the contents page.
void ShowHelp(QWidget* parent);
// Makes F1 open the page of the window in front wherever no shortcut claims
// the key. Installing it more than once does nothing more.
void InstallHelpKey();
// Prints the pages built into the program, one a line, and checks that every
// page the table names is there: 0 when all are, 1 otherwise.
int ListHelpPages(std::ostream& out);

}  // namespace quarrix
