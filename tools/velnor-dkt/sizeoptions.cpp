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
                      std::string& error, SizeCommand command) {
    struct NumberOption {
        const char* name;
        double* value;
    };
    const bool rate = command == SizeCommand::Rate;
    // The heat load is size's input; the tube is rate's.
    std::vector<NumberOption> numbers{{"--evap", &options.evapTemp},
                                      {"--cond", &options.condTemp},
                                      {"--return-gas", &options.rgasTemp}};
    if (rate) {
        numbers.push_back({"--diameter", &options.diameter});
        numbers.push_back({"--length", &options.length});
    } else {
        numbers.insert(numbers.begin(), {"--heat-load", &options.heatLoad});
    }
    std::vector<std::string> given;
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
                           (!rate && name == "--batch") ||
                           std::any_of(numbers.begin(), numbers.end(),
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
        given.push_back(name);
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
        } else if (name == "--batch") {
            if (value.empty()) {
                error = "option --batch needs a file";
                return false;
            }
            options.batch = value;
        } else {
            for (const NumberOption& o : numbers) {
                if (name == o.name && !ParseNumberArgument(value, *o.value)) {
                    error = name + " " + value + ": not a number";
                    return false;
                }
            }
        }
    }
    const std::string commandName = rate ? "rate" : "size";
    if (files.size() != 1) {
        error = files.empty()
                    ? commandName + " needs a database file"
                    : commandName + " takes one database file, not " + std::to_string(files.size());
        return false;
    }
    const auto wasGiven = [&given](const char* name) {
        return std::find(given.begin(), given.end(), name) != given.end();
    };
    for (const char* tube : {"--diameter", "--length"}) {
        if (rate && !wasGiven(tube)) {
            error = std::string(tube) + " is missing: rate needs the tube's inner diameter " +
                    "and length";
            return false;
        }
    }
    for (const std::string& name : given) {
        if (!options.batch.empty() && name != "--units" && name != "--batch") {
            error = name + " cannot be given with --batch, which reads every duty from its file";
            return false;
        }
    }
    options.database = files[0];
    // The inputs not given take the first-run values, in the order of DefaultInput, converted
    // into the units chosen, in whatever place --units stood.
    const auto defaults = DefaultInputHundredths(options.units);
    const NumberOption inputs[] = {{"--heat-load", &options.heatLoad},
                                   {"--evap", &options.evapTemp},
                                   {"--cond", &options.condTemp},
                                   {"--return-gas", &options.rgasTemp}};
    for (std::size_t n = 0; n < std::size(inputs); ++n) {
        if (!wasGiven(inputs[n].name))
            *inputs[n].value = defaults[n] / 100.0;
    }
    return true;
}
