#pragma once

#include "linkopenresult.h"
#include "messages.h"

#include <string>
#include <vector>

// An opener that opens nothing: it answers with a chosen code and remembers the addresses.
class StubLinkOpener : public LinkOpener {
public:
    explicit StubLinkOpener(int code) : nCode(code) {}
    int OpenAddress(const std::string& address) override {
        addresses.push_back(address);
        return nCode;
    }

    int nCode;
    std::vector<std::string> addresses;
};

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
