#pragma once

#include "database.h"
#include "databaseload.h"
#include "report.h"
#include "sizeoptions.h"

#include <memory>
#include <string>
#include <vector>

// velnor-dkt size FILE.dkt [options]: sizes a tube as the main window would and prints the
// body of the printed report; with --batch, every duty of a CSV file (batch.h).
int RunSize(const std::vector<std::string>& args);

// What size and rate start from: their options, the database and the refrigerant (-1 for a
// batch, whose duties name their own).
struct SizingSetup {
    SizeOptions options;
    std::unique_ptr<LoadedDatabase> loaded;
    int refrigerant = -1;
};
// False, with the reason on standard error, for a bad argument, a database the program could
// not read or an unknown refrigerant.
bool SetUpSizing(const std::vector<std::string>& args, SizeCommand command, SizingSetup& setup);

// An input as its field holds it: the text the field shows after SetValue(value, true), and
// the value the main window reads back from that text.
struct FieldInput {
    std::string shown;
    double value = 0.0;
};
// `entered` through a main-window field. When that changes the value, a note on standard error
// says so: "<where>note: <name> <entered> is shown as <text> and <used> as <value>".
FieldInput EnterThroughField(const std::string& name, double entered, const char* used,
                             const std::string& where = {});

// The refrigerant `which` names: an argument of digits only is a 0-based index, anything else
// a name (as in the file, compared exactly). -1 when there is no such refrigerant.
int FindRefrigerant(const RefrigerantDatabase& db, const std::string& which);
// "unknown refrigerant NAME (the database has N)".
std::string UnknownRefrigerantText(const RefrigerantDatabase& db, const std::string& which);
