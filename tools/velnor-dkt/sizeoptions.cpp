#include "sizeoptions.h"

#include "defaultinputs.h"
#include "textnumber.h"

#include <algorithm>
#include <cmath>
#include <iterator>

bool ParseUnitsText(std::string_view text, UnitSettings& units) {
    if (text.size() != 7)
        return false;
    int digits[7] = {};
    for (std::size_t i = 0; i < 7; ++i) {
        if (text[i] != '0' && text[i] != '1')
            return false;
        digits[i] = text[i] - '0';
    }
    units.UnitsEnergy = digits[0];
    units.UnitsTemperature = digits[1];
    units.UnitsPressure = digits[2];
    units.UnitsDiameter = digits[3];
    units.UnitsLength = digits[4];
    units.UnitsFlow = digits[5];
    units.DiamType = digits[6];
    return true;
}

bool ParseNumberArgument(std::string_view text, double& value) {
    std::size_t used = 0;
    const double v = ParseLeadingNumber(text, &used);
    if (used == 0 || used != text.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool ParseSizeOptions(const std::vector<std::string>& args, SizeOptions& options,
                      std::string& error) {
    struct NumberOption {
        const char* name;
        double* value;
    };
    const NumberOption numbers[] = {{"--heat-load", &options.heatLoad},
                                    {"--evap", &options.evapTemp},
                                    {"--cond", &options.condTemp},
                                    {"--return-gas", &options.rgasTemp}};
    bool given[std::size(numbers)] = {};
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-' || arg[1] != '-') {
            files.push_back(arg);
            continue;
        }
        std::string name = arg;
        std::string value;
        const std::size_t equals = arg.find('=');
        if (equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        const bool known = name == "--refrigerant" || name == "--units" ||
                           std::any_of(std::begin(numbers), std::end(numbers),
                                       [&name](const NumberOption& o) { return name == o.name; });
        if (!known) {
            error = "unknown option " + name;
            return false;
        }
        if (equals == std::string::npos) {
            // The next argument is the value, even when it starts with "-" (a negative number).
            if (i + 1 >= args.size()) {
                error = "option " + name + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (name == "--refrigerant") {
            if (value.empty()) {
                error = "option --refrigerant needs an index or a name";
                return false;
            }
            options.refrigerant = value;
        } else if (name == "--units") {
            if (!ParseUnitsText(value, options.units)) {
                error = "--units " + value + ": expected seven digits 0 or 1 (energy, " +
                        "temperature, pressure, diameter, length, flow, diameter list)";
                return false;
            }
        } else {
            for (std::size_t n = 0; n < std::size(numbers); ++n) {
                if (name != numbers[n].name)
                    continue;
                if (!ParseNumberArgument(value, *numbers[n].value)) {
                    error = name + " " + value + ": not a number";
                    return false;
                }
                given[n] = true;
            }
        }
    }
    if (files.size() != 1) {
        error = files.empty() ? "size needs a database file"
                              : "size takes one database file, not " + std::to_string(files.size());
        return false;
    }
    options.database = files[0];
    // The numbers' order is that of DefaultInput; the defaults are in the units chosen, in
    // whatever place --units stood.
    const auto defaults = DefaultInputHundredths(options.units);
    for (std::size_t n = 0; n < std::size(numbers); ++n) {
        if (!given[n])
            *numbers[n].value = defaults[n] / 100.0;
    }
    return true;
}
