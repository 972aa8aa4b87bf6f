#pragma once

#include "database.h"
#include "formatting.h"
#include "numberedit.h"
#include "persistentsettings.h"
#include "report.h"
#include "sizing.h"
#include "texts.h"
#include "unitsettings.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

// The main window's state and decisions, without the window: the database, the five input
// fields, the selected refrigerant, the inputs-changed mark, the last result and the unit
// settings, and what the window's events do to them. The window binds each input field to a
// text field of its own and repaints when the model says so; the model never reads a widget.
class MainWindowModel {
public:
    // The five fields whose values are restored, converted and saved, in this order.
    enum Input { HeatLoad, EvapTemp, CondTemp, RGasTemp, Ambient, InputCount };
    // The input fields: at most 9 whole digits and 3 decimals, negatives allowed.
    static constexpr int kWholeDigits = 9;
    static constexpr int kDecimalPlaces = 3;
    // The input fields' background, and that of every field like them.
    static constexpr COLORREF kFieldBackColor = RGB(242, 246, 251);

    // `units` is the process's one unit record and `texts` the language its texts are composed
    // in, both lent by the application; they must outlive the model. The input fields type with
    // the number characters of `numbers`.
    MainWindowModel(UnitSettings& units, const TextLocale& texts,
                    const NumberLocale& numbers = NumberLocale{});
    MainWindowModel(UnitSettings&, const TextLocale&&,
                    const NumberLocale& = NumberLocale{}) = delete;
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // Reads and parses `fileName` from the working directory. False when the file cannot be
    // read or is malformed; the window then shows its message and closes.
    bool LoadDatabase(const char* fileName);
    // After a failed LoadDatabase, what the window says: the file's full path (`path`, as the
    // window knows it, Windows-1252) and why it could not be read.
    std::string LoadFailureMessage(const std::string& path) const;
    bool DatabaseLoaded() const { return m_databaseLoaded; }
    const RefrigerantDatabase& Database() const { return *m_db; }
    const HelpText& Help() const { return *m_help; }

    // An input field. Its text lives in the text field it is attached to (the window's line
    // field, or an in-memory one); until one is attached it reads as 0 and ignores new values.
    // Every change of its text, whatever made it, is an input event of the model.
    CNumberEdit& Field(Input which) { return *m_fields[which]; }
    const CNumberEdit& Field(Input which) const { return *m_fields[which]; }

    UnitSettings& Units() { return m_units; }
    const UnitSettings& Units() const { return m_units; }
    const TextLocale& Texts() const { return m_texts; }

    // The stored state, at the moments the settings lifecycle names: the units at start, the
    // refrigerant (clamped to the list) and the five inputs at the control set-up, the
    // refrigerant and the inputs when the window closes.
    void ReadUnits(PersistentSettings& settings);
    void RestoreRefrigerant(PersistentSettings& settings);
    void RestoreInputs(PersistentSettings& settings);
    void SaveSelectionAndInputs(PersistentSettings& settings) const;

    // -1 when the database has no refrigerants.
    int Refrigerant() const { return nRefrig; }
    std::array<double, InputCount> InputValues() const;

    // Events.
    void OnRefrigerantSelected(int index);
    void OnInputEdited(Input which); // the ambient field takes no part in the calculation
    // A row of the results list chosen by a click or a key (-1: none known). It stays the
    // selected row until the next calculation brings the optimal row back.
    void OnResultListClicked(int row = -1);
    // The timer tick: recomputes when an input changed since the last calculation. True when
    // it did; the list content then holds what to show.
    bool OnTimer();
    // After the units dialog: converts the typed heat load and temperatures when their units
    // changed, then recomputes.
    void OnUnitsChanged(int oldUnitsEnergy, int oldUnitsTemperature);

    // Reads the four inputs, sizes the tube and composes the list; clears the changed mark.
    void Calculate();
    bool Changed() const { return bChanged; }
    const SizingResult& Result() const { return m_result; }
    const ResultListContent& ListContent() const { return m_listContent; }
    int CalculationCount() const { return m_calculations; }

    // The inputs section of the printed report, from the fields' texts as shown.
    ReportInputs ReportInputsNow() const;
    std::vector<ReportLine> ReportLines() const;
    // The report as the clipboard takes it, in UTF-8: the text velnor-dkt size prints for the
    // same inputs, and the same rows as an HTML table.
    std::string CopyText() const;
    std::string CopyHtml() const;

    // A tube in the diameter and length units in force.
    struct Tube {
        double diameter = 0.0;
        double length = 0.0;
    };
    // The tube of the selected row: the row the user chose since the last calculation, else the
    // optimal one. None while the list shows a message.
    std::optional<Tube> SelectedTube() const;

private:
    // The five inputs as the fields show them, as the settings store takes them.
    SavedInputs ShownInputs() const;

    UnitSettings& m_units;
    const TextLocale& m_texts;
    std::unique_ptr<DatabaseFile> m_file; // two 102,401-byte buffers: kept off the stack
    std::unique_ptr<RefrigerantDatabase> m_db;
    std::unique_ptr<HelpText> m_help;
    std::array<std::unique_ptr<CNumberEdit>, InputCount> m_fields;
    SizingResult m_result;
    ResultListContent m_listContent;
    int nRefrig = 0;
    int m_chosenRow = -1; // the list row chosen since the last calculation
    bool bChanged = false;
    bool m_databaseLoaded = false;
    DatabaseReadError m_loadFailure;
    int m_calculations = 0;
};
