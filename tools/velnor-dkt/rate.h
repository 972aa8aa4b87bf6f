#pragma once

#include <string>
#include <vector>

// velnor-dkt rate FILE.dkt [options] --diameter D --length L: the heat load a given tube serves
// at a refrigerant's temperatures, the sizing turned round. Prints the report's input lines
// without the heat load, the tube, its flow line and the heat load, or why there is none.
int RunRate(const std::vector<std::string>& args);
