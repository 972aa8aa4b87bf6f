#pragma once

#include "linkopener.h"

#include <string>
#include <vector>

// An opener that opens nothing: it answers with a chosen code (33, opened, unless told
// otherwise) and remembers the addresses.
class StubLinkOpener : public LinkOpener {
public:
    explicit StubLinkOpener(int code = 33) : nCode(code) {}
    int OpenAddress(const std::string& address) override {
        addresses.push_back(address);
        return nCode;
    }

    int nCode;
    std::vector<std::string> addresses;
};
