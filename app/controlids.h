#pragma once

// The ids of the main window's controls: the layout places them by these numbers, the window
// finds its controls by them, and the tests name the controls with them.
namespace MainControlId {
enum : int {
    kHidden1000 = 1000,
    kHeatLoad = 1003,
    kEvapTemp = 1004,
    kCondTemp = 1005,
    kRGasTemp = 1006,
    kHidden1007 = 1007,
    kAmbient = 1008, // placed out of view like 1000 and 1007
    kSettings = 1016,
    kRefrigerant = 1017,
    kPrint = 1018,
    kHelp = 1019,
    kResults = 1020,
    kLink = 1022,
};

// The fields the layout places beyond the right edge: they hold, convert and save their values
// but are never shown, take no keys and are no part of what a screen reader is offered.
inline constexpr int kOutOfView[] = {kHidden1000, kHidden1007, kAmbient};
} // namespace MainControlId
