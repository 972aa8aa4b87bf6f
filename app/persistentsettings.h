#pragma once

#include "settingsstore.h"
#include "unitsettings.h"

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

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
// An object remembers every value it read or wrote and leaves out a write of the value the
// store is known to hold: what it writes is what changed in this run, so that two programs
// sharing the store keep each other's changes.
//
// Lifecycle, as the main window and the units dialog use it:
//   start (after the database was read):   ReadUnits, ReadPlacement (then place the window)
//   control set-up:                         ReadRefrigerant, ReadInputs
//   units dialog closed with OK:            WriteUnits, the units that changed
//   window moved / resized:                 StorePosition / StoreSize
//   every timer tick and the window's end:  WriteSelectionAndInputs -- only when the start-up
//                                           restored the fields; after a failed database read the
//                                           fields hold nothing and the user's values are kept.
// The window saves the store (SettingsStore::Save) after each tick and after the units dialog,
// so that the units and the inputs they converted are saved together.
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

    explicit PersistentSettings(SettingsStore& store) : m_known(store), m_store(m_known) {}

    // The names of every entry the program keeps, all of them whole numbers.
    static std::vector<std::string> EntryNames();

    // Reads the seven unit entries in order into `units`. A stored value other than 0 is taken
    // as 1, so that every reader of a field (some test for non-zero, some for 1) agrees.
    void ReadUnits(UnitSettings& units);
    // Writes, in order, the unit entries whose field differs between `before` and `units`.
    void WriteUnits(const UnitSettings& units, const UnitSettings& before);

    // "XPos", "YPos", "XSiz", "YSiz" as stored (defaults 10, 10, 800, 640), not yet corrected.
    WindowPlacement ReadPlacement();
    // ReadPlacement corrected to a screen of the given size (FitToScreen).
    WindowPlacement ReadPlacement(int screenWidth, int screenHeight);

    // "Refrig" clamped to 0 .. nRefrigerants - 1; -1 when there are no refrigerants.
    int ReadRefrigerant(int nRefrigerants);
    // The five inputs, each the stored integer / 100. An input not stored is its default
    // (DefaultInputHundredths) in `units`, the units read at the same start.
    SavedInputs ReadInputs(const UnitSettings& units);

    // Writes "Refrig" and then the five inputs (StoredHundredths of each), in that order, each
    // unless the store is known to hold that value.
    void WriteSelectionAndInputs(int nRefrig, const SavedInputs& inputs);
    // The selection and the inputs as the window shows them once restored: they count as what
    // the store holds, so that only what the user changes is written. (A restored 123.45 would
    // be written back as 12344; a clamped selection is no change of the user's either.)
    void RestoredSelectionAndInputs(int nRefrig, const SavedInputs& inputs);

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
    // The store as far as this object knows it: a write of the value last read or written
    // under an entry is left out.
    class KnownValues : public SettingsStore {
    public:
        explicit KnownValues(SettingsStore& store) : m_store(store) {}
        int ReadInt(std::string_view section, std::string_view entry, int defaultValue) override;
        void WriteInt(std::string_view section, std::string_view entry, int value) override;
        void Save() override { m_store.Save(); }
        std::string TakeNotice() override { return m_store.TakeNotice(); }
        // Takes `value` as what the store holds under (section, entry).
        void Assume(std::string_view section, std::string_view entry, int value);

    private:
        SettingsStore& m_store;
        std::map<std::pair<std::string, std::string>, int> m_values;
    };

    struct LocationEntry {
        const char* szName;
        int nValue;
    };
    // Writes the two entries of the location section when the placement may be recorded.
    bool StoreLocation(const WindowState& state, LocationEntry first, LocationEntry second);

    KnownValues m_known;
    SettingsStore& m_store; // m_known
};
