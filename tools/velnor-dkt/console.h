#pragma once

#include <string_view>

// The tool's two output streams. Standard output carries a command's result byte for byte;
// standard error carries messages, each line prefixed with the tool's name.
void WriteOut(std::string_view bytes);
void WriteError(std::string_view message);
// Standard error without the prefix, for texts of several lines.
void WriteErrorText(std::string_view text);
