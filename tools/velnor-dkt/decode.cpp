#include "decode.h"

#include "console.h"
#include "databaseload.h"

int RunDecode(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        WriteError("decode takes one file: velnor-dkt decode FILE.dkt");
        return 1;
    }
    const auto loaded = LoadDatabase(args[0]);
    for (const std::string& note : loaded->fileNotes)
        WriteError("note: " + note);
    if (loaded->file.length == 0) {
        WriteError(args[0] + ": " + loaded->failure);
        return 1;
    }
    WriteOut(
        std::string_view(loaded->file.text.data(), static_cast<std::size_t>(loaded->file.length)));
    return 0;
}
