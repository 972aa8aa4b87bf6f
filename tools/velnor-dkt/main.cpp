// velnor-dkt: the maintainers' tool for the refrigerant database file Velnor.dkt.

#include "check.h"
#include "console.h"
#include "decode.h"
#include "encode.h"
#include "size.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: velnor-dkt COMMAND ARGUMENTS\n"
    "\n"
    "  decode FILE.dkt            write the text of a database file as the program reads it\n"
    "  encode PLAIN.txt OUT.dkt   scramble a plain text into a database file\n"
    "  check [--quiet] FILE.dkt   describe a database file, or say why it cannot be read\n"
    "  size FILE.dkt [options]    print the body of the printed report for one sizing\n"
    "      --refrigerant N|NAME   0-based index or name (default 0)\n"
    "      --units EUTPDLFD       seven digits 0 or 1: energy, temperature, pressure,\n"
    "                             diameter, length, flow, diameter list (default 0111100)\n"
    "      --heat-load Q          in the energy unit chosen (default 110 W)\n"
    "      --evap TE              evaporating temperature (default -25 C)\n"
    "      --cond TC              condensing temperature (default 55 C)\n"
    "      --return-gas TRG       return gas temperature (default 32 C)\n"
    "                             the defaults are converted into the units chosen\n"
    "  --help                     this text\n";

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
    if (command == "decode")
        return RunDecode(args);
    if (command == "encode")
        return RunEncode(args);
    if (command == "check")
        return RunCheck(args);
    if (command == "size")
        return RunSize(args);
    WriteError("unknown command " + command);
    WriteErrorText(kUsage);
    return 1;
}
