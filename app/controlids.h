#pragma once

// The ids of the main window's controls: the layout places them by these numbers, the window
// finds its controls by them, and the tests name the controls with them.
namespace MainControlId {
constexpr int kHidden1000 = 1000;
constexpr int kHeatLoad = 1003;
constexpr int kEvapTemp = 1004;
constexpr int kCondTemp = 1005;
constexpr int kRGasTemp = 1006;
constexpr int kHidden1007 = 1007;
constexpr int kAmbient = 1008; // placed out of view like 1000 and 1007
constexpr int kSettings = 1016;
constexpr int kRefrigerant = 1017;
constexpr int kPrint = 1018;
constexpr int kHelp = 1019;
constexpr int kResults = 1020;
constexpr int kLink = 1022;
} // namespace MainControlId
