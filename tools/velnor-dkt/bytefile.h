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

// True when `a` and `b` name the same file (device and inode), links followed: a hard link or a
// symbolic link to a file is that file.
bool IsSameFile(const std::string& a, const std::string& b);

// Writes `bytes` to `path` so that the file appears complete or not at all: the bytes go to a
// temporary file created exclusively beside it, which is renamed over `path` only once fully
// written. A symbolic link at `path` is written through: the file it leads to is replaced and
// the link stays. What exists there must be a regular file; anything else (a FIFO, a socket, a
// device, a directory, a link that leads nowhere) is refused and left alone. A replaced file
// keeps its permissions (and, where the caller may set them, its owner and group); a new one
// gets those the umask allows. On failure the temporary file is removed and an existing file
// at `path` is left as it was.
bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& error);
