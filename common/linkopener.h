#pragma once

#include <string>

// Opens an address with the desktop's own program for it. The answer is a code in the shell's
// terms: above 32 the address was opened, 32 or less a failure that OpenErrorText explains.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // `address` is Windows-1252.
    virtual int OpenAddress(const std::string& address) = 0;
};

// A code above 32 is a success.
inline bool LinkOpened(int code) {
    return code > 32;
}
