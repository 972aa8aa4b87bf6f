#pragma once

#include <string>
#include <vector>

// velnor-dkt decode FILE.dkt: writes the text exactly as the program unscrambles it.
int RunDecode(const std::vector<std::string>& args);
