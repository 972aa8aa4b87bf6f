#include "console.h"

#include <cstdio>
#include <string>

void WriteOut(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void WriteError(std::string_view message) {
    const std::string line = "velnor-dkt: " + std::string(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void WriteErrorText(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}
