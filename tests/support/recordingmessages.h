#pragma once

#include "messages.h"

#include <string>
#include <vector>

// Records message boxes and beeps instead of showing them.
class RecordingMessages : public Messages {
public:
    struct Shown {
        std::string text;
        Icon icon;
    };
    void Show(const std::string& text, Icon icon) override { shown.push_back({text, icon}); }
    void Beep() override { ++nBeeps; }

    std::vector<Shown> shown;
    int nBeeps = 0;
};
