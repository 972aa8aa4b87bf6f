#include "textfield.h"

bool IsPrintableChar(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x20 || byte == 0x7F)
        return false;
    switch (byte) {
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
        return false;
    default:
        return true;
    }
}
