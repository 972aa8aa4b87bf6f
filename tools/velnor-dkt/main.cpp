// velnor-dkt: the maintainers' tool for the refrigerant database file Velnor.dkt.

#include "check.h"
#include "console.h"
#include "decode.h"
#include "encode.h"
#include "rate.h"
#include "size.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: velnor-dkt COMMAND ARGUMENTS\n"
    "\n"
    "  decode FILE.dkt            write the text of a database file as the program reads it\n"
    "  encode PLAIN.txt OUT.dkt   scramble a plain text into a database file\n"
    "  check [--quiet] FILE.dkt   describe a database file, or say why it cannot be read\n"
    "  size FILE.dkt [options]    print the body of the printed report for one sizing,\n"
    "                             or size every duty of a CSV file (--batch)\n"
    "  rate FILE.dkt [options]    the heat load a given tube serves\n"
    "  COMMAND --help             the command's arguments and options\n"
    "  --help                     this text\n";

// The options size and rate share.
const std::string kUnitOptions =
    "  --refrigerant N|NAME   0-based index or name (default 0)\n"
    "  --units EUTPDLFD       seven digits 0 or 1: energy, temperature, pressure,\n"
    "                         diameter, length, flow, diameter list (default 0111100)\n";
const std::string kTemperatureOptions =
    "  --evap TE              evaporating temperature (default -25 C)\n"
    "  --cond TC              condensing temperature (default 55 C)\n"
    "  --return-gas TRG       return gas temperature (default 32 C)\n"
    "                         the defaults are converted into the units chosen\n";

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    std::string help;
};

const Command kCommands[] = {
    {"decode", RunDecode,
     "usage: velnor-dkt decode FILE.dkt\n"
     "\n"
     "Writes the text of a database file exactly as the program unscrambles it to standard\n"
     "output: the first 102,400 bytes, CR LF read as LF, the byte 0x1A ending the data.\n"},
    {"encode", RunEncode,
     "usage: velnor-dkt encode PLAIN.txt OUT.dkt\n"
     "\n"
     "Scrambles a plain text, line breaks included, into a database file that the program\n"
     "reads back as exactly that text. A text it cannot store (a NUL, the character 0xD8,\n"
     "over 51,200 characters, empty) is refused with its line and column, and no file is\n"
     "written. OUT.dkt is replaced only by a complete new file.\n"},
    {"check", RunCheck,
     "usage: velnor-dkt check [--quiet] FILE.dkt\n"
     "\n"
     "Reads a database file as the program does and lists what it holds, then notes about\n"
     "its bytes and warnings about what the program tolerates. For a file the program cannot\n"
     "read it says why and where, and exits with 1.\n"
     "\n"
     "  --quiet                only the notes, the warnings and a failure\n"},
    {"size", RunSize,
     "usage: velnor-dkt size FILE.dkt [options]\n"
     "       velnor-dkt size FILE.dkt [--units EUTPDLFD] --batch DUTIES.csv\n"
     "\n"
     "Sizes a tube as the main window does and prints the body of the printed report.\n"
     "\n" +
         kUnitOptions + "  --heat-load Q          in the energy unit chosen (default 110 W)\n" +
         kTemperatureOptions +
         "  --batch DUTIES.csv     size every duty of a CSV file instead: its header is\n"
         "                         refrigerant,heat_load,evap,cond,return_gas; one CSV line per\n"
         "                         duty goes to standard output with the flow, the optimal\n"
         "                         diameter and its length, or the message why it cannot be "
         "sized\n"},
    {"rate", RunRate,
     "usage: velnor-dkt rate FILE.dkt --diameter D --length L [options]\n"
     "\n"
     "The sizing turned round: the heat load a tube of the given inner diameter and length\n"
     "serves. Prints the input lines of the report without the heat load, the tube, its flow\n"
     "line and \"Heat load of the system\", or a line saying why there is none.\n"
     "\n"
     "  --diameter D           the tube's inner diameter in the diameter unit chosen\n"
     "  --length L             the tube's length in the length unit chosen\n" +
         kUnitOptions + kTemperatureOptions},
};

bool AskedForHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& arg) { return arg == "--help" || arg == "-h"; });
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        WriteError("no command given");
        WriteErrorText(kUsage);
        return 1;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        WriteOut(kUsage);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (command != c.name)
            continue;
        if (AskedForHelp(args)) {
            WriteOut(c.help);
            return 0;
        }
        return c.run(args);
    }
    WriteError("unknown command " + command);
    WriteErrorText(kUsage);
    return 1;
}
