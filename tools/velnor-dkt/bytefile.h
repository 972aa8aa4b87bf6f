#pragma once

#include <cstddef>
#include <string>

// Plain file access for the database tool: whole bytes, no text-mode translation.

// Errors name what failed, not the path; the caller adds the path.

// Reads at most `limit` bytes from the start of `path` into `bytes`. False, with `error` set,
// when the file cannot be opened or read, or is not a regular file (a FIFO is refused rather
// than waited on).
bool ReadLeadingBytes(const std::string& path, std::size_t limit, std::string& bytes,
                      std::string& error);

// Writes `bytes` to `path` so that the file appears complete or not at all: the bytes go to a
// temporary file beside it, which is renamed over `path` only once fully written. On failure
// the temporary file is removed and an existing file at `path` is left as it was.
bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& error);
