#pragma once

#include <cstdio>
#include <string>

// Opens `path` for reading in binary mode only when it names a regular file (a link to one
// counts). Anything else — a FIFO, a device, a directory, a socket — is refused without
// waiting: the open never blocks, so a FIFO with no writer cannot hang the caller. Returns null
// with `reason` set ("cannot open: <system error>" or "not a regular file") when refused.
std::FILE* OpenRegularFile(const std::string& path, std::string& reason);
