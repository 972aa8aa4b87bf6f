#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What one run of the built velnor-dkt gave.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs velnor-dkt with `args` (no shell involved) and collects its output and exit code.
ToolRun RunTool(const std::vector<std::string>& args);

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // Writes `bytes` as they are and returns the file's path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path dir_;
};

std::string ReadBytes(const std::string& path);
