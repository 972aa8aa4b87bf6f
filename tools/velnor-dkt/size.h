#pragma once

#include "database.h"
#include "report.h"

#include <string>
#include <vector>

// velnor-dkt size FILE.dkt [options]: sizes a tube as the main window would and prints the
// body of the printed report.
int RunSize(const std::vector<std::string>& args);

// The refrigerant `which` names: an argument of digits only is a 0-based index, anything else
// a name (as in the file, compared exactly). -1 when there is no such refrigerant.
int FindRefrigerant(const RefrigerantDatabase& db, const std::string& which);

// One output line per column-0 report line: its text, and where the next line is its column-1
// text, a TAB and that text. Each line ends with LF; the texts are converted to UTF-8.
std::string ReportBodyText(const std::vector<ReportLine>& lines);
