#pragma once

#include <functional>
#include <utility>

// Where a field type's locale settings come from: the Qt side installs a reader once; without
// one (models under test) a field gets the settings' defaults. One slot per settings type.
template <class Settings> class LocaleSource {
public:
    static void Set(std::function<Settings()> source) { Slot() = std::move(source); }
    static Settings Get() {
        const auto& source = Slot();
        return source ? source() : Settings{};
    }

private:
    static std::function<Settings()>& Slot() {
        static std::function<Settings()> source;
        return source;
    }
};
