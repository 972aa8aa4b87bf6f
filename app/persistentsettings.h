#pragma once

#include "unitsettings.h"

#include <array>

class SettingsStore;

// The window's outer rectangle in screen pixels, frame and caption included.
struct WindowPlacement {
    int x = 10;
    int y = 10;
    int width = 800;
    int height = 640;
    bool operator==(const WindowPlacement&) const = default;
};

// The five numeric inputs as they stand in the main window's fields, in the units in force.
struct SavedInputs {
    double dHeatLoad = 0.0;
    double dEvapTemp = 0.0;
    double dCondTemp = 0.0;
    double dRGasTemp = 0.0;
    double dAmbient = 0.0;
};

// What the window knows about itself when it moves or is resized: its placement is recorded only
// once its start-up has finished and while it is neither minimised nor maximised, so that the
// placement from before minimising or maximising is the one restored.
struct WindowState {
    bool bReady = false;
    bool bMinimised = false;
    bool bMaximised = false;
};

// The typed face of the settings store: every section, entry name, default and conversion of the
// stored values lives here; the windows never name an entry themselves.
//
// Lifecycle, as the main window and the units dialog use it:
//   start (after the database was read):   ReadUnits, ReadPlacement (then place the window)
//   control set-up:                         ReadRefrigerant, ReadInputs
//   units dialog closed with OK:            WriteUnits
//   window moved / resized:                 StorePosition / StoreSize
//   window destroyed:                       WriteSelectionAndInputs -- only when the start-up
//                                           restored the fields; after a failed database read the
//                                           fields hold nothing and the user's values are kept.
class PersistentSettings {
public:
    static constexpr const char* kSettings = "Settings";
    static constexpr const char* kLocation = "Location";

    // The seven unit entries in the order they are read and written; the names are padded with
    // blanks to 16 characters and the blanks are part of the names.
    struct UnitEntry {
        const char* szName;
        int UnitSettings::*field;
        int nDefault;
    };
    static const std::array<UnitEntry, 7>& UnitEntries();

    explicit PersistentSettings(SettingsStore& store) : m_store(store) {}

    // Reads the seven unit entries in order into `units`. A stored value other than 0 is taken
    // as 1, so that every reader of a field (some test for non-zero, some for 1) agrees.
    void ReadUnits(UnitSettings& units);
    // Writes all seven unit entries in order, changed or not.
    void WriteUnits(const UnitSettings& units);

    // "XPos", "YPos", "XSiz", "YSiz" as stored (defaults 10, 10, 800, 640), not yet corrected.
    WindowPlacement ReadPlacement();
    // ReadPlacement corrected to a screen of the given size (FitToScreen).
    WindowPlacement ReadPlacement(int screenWidth, int screenHeight);

    // "Refrig" clamped to 0 .. nRefrigerants - 1; -1 when there are no refrigerants.
    int ReadRefrigerant(int nRefrigerants);
    // The five inputs, each the stored integer / 100. An input not stored is its default
    // (DefaultInputHundredths) in `units`, the units read at the same start.
    SavedInputs ReadInputs(const UnitSettings& units);

    // Writes "Refrig" and then the five inputs (StoredHundredths of each), in that order.
    void WriteSelectionAndInputs(int nRefrig, const SavedInputs& inputs);

    // Write "XPos"/"YPos" (outer top-left corner) or "XSiz"/"YSiz" (outer size) when
    // CanRecordPlacement(state); return whether they wrote.
    bool StorePosition(const WindowState& state, int x, int y);
    bool StoreSize(const WindowState& state, int width, int height);

    // A width above the screen width puts the window at x = 10 with the screen width - 20; the
    // same for the height and y. A position off the screen with a size that fits is kept.
    static WindowPlacement FitToScreen(WindowPlacement placement, int screenWidth,
                                       int screenHeight);
    static int ClampRefrigerant(int nStored, int nRefrigerants);
    // value x 100 truncated toward zero (32.3 gives 3229, -1.005 gives -100). NaN gives 0 and
    // products beyond the int range give the nearest int, so no field value is undefined.
    static int StoredHundredths(double value);
    static bool CanRecordPlacement(const WindowState& state);

private:
    struct LocationEntry {
        const char* szName;
        int nValue;
    };
    // Writes the two entries of the location section when the placement may be recorded.
    bool StoreLocation(const WindowState& state, LocationEntry first, LocationEntry second);

    SettingsStore& m_store;
};
