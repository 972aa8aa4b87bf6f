#include "settingsnotice.h"

#include "texts.h"

namespace {

// The text with "%1" replaced by `path` and "%2" by `reason`.
std::string Filled(std::string_view text, std::string_view path, std::string_view reason) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            filled += text[i + 1] == '1' ? path : reason;
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

const char* Text(SettingsProblem problem) {
    switch (problem) {
    case SettingsProblem::NotAFile:
        return VELNOR_TRANSLATE_NOOP(
            "Messages",
            "Settings are not kept: %1 is not an ordinary file. It is left as it is, and this "
            "run saves nothing.");
    case SettingsProblem::TooLarge:
        return VELNOR_TRANSLATE_NOOP(
            "Messages",
            "Settings are not kept: %1 is too large for a settings file. It is left as it is, "
            "and this run saves nothing.");
    case SettingsProblem::Unreadable:
        return VELNOR_TRANSLATE_NOOP(
            "Messages",
            "Settings are not kept: %1 cannot be read (%2). It is left as it is, and this run "
            "saves nothing.");
    case SettingsProblem::NoBackup:
        return VELNOR_TRANSLATE_NOOP(
            "Messages",
            "Settings are not kept: %1 is damaged, and no backup copy of it can be made. It is "
            "left as it is, and this run saves nothing.");
    case SettingsProblem::Locked:
        return VELNOR_TRANSLATE_NOOP(
            "Messages", "Settings could not be saved: %1 is locked by another program.");
    case SettingsProblem::ReadOnly:
        return VELNOR_TRANSLATE_NOOP("Messages", "Settings could not be saved: %1 is read-only.");
    case SettingsProblem::NoFolder:
        return VELNOR_TRANSLATE_NOOP("Messages",
                                     "Settings could not be saved: the folder %1 cannot be made.");
    case SettingsProblem::WriteFailed:
        return VELNOR_TRANSLATE_NOOP("Messages", "Settings could not be saved to %1: %2.");
    }
    return "";
}

} // namespace

std::string SettingsNotice(const TextLocale& texts, SettingsProblem problem, std::string_view path,
                           std::string_view reason) {
    return Filled(texts.Tr("Messages", Text(problem)), path, reason);
}
