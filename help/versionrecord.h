#pragma once

#include <span>

// The program's own version record. It lives in the executable in a section of its own, so
// that the reader finds it in the program file like any other file's record, whether or not the
// file has been stripped.
constexpr const char* kVersionSectionName = "velnor_version";

// The record's bytes as linked into the running program. Referring to this also makes sure the
// record is linked into every program that uses the reader.
std::span<const unsigned char> ProgramVersionRecord();
