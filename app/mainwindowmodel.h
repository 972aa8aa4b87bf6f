#pragma once

#include "database.h"
#include "formatting.h"
#include "numberfield.h"
#include "report.h"
#include "sizing.h"
#include "unitsettings.h"

#include <array>
#include <memory>
#include <string>

// The main window's state and decisions, without the window: the database, the last result,
// the selected refrigerant, the inputs-changed mark, and what the window's events do to them.
class MainWindowModel {
public:
    // The five fields whose values are restored, converted and saved, in this order.
    enum Input { HeatLoad, EvapTemp, CondTemp, RGasTemp, Ambient, InputCount };

    MainWindowModel();

    // Reads and parses `fileName` from the working directory. False when the file cannot be
    // read or is malformed; the window then shows its message and closes.
    bool LoadDatabase(const char* fileName);
    // After a failed LoadDatabase, what the window says: the file's full path (`path`, as the
    // window knows it, Windows-1252) and why it could not be read.
    std::string LoadFailureMessage(const std::string& path) const;
    bool DatabaseLoaded() const { return m_databaseLoaded; }
    const RefrigerantDatabase& Database() const { return *m_db; }
    const HelpText& Help() const { return *m_help; }

    // The fields the model reads and writes; they must outlive the model's use of them.
    void AttachField(Input which, NumberField* field) { m_fields[which] = field; }

    // The restored selection, already clamped to the refrigerants there are (-1: none).
    void RestoreRefrigerant(int index) { nRefrig = index; }
    int Refrigerant() const { return nRefrig; }
    void RestoreInputs(const std::array<double, InputCount>& values);
    std::array<double, InputCount> InputValues() const;

    // Events.
    void OnRefrigerantSelected(int index);
    void OnInputEdited(Input which); // the ambient field takes no part in the calculation
    void OnResultListClicked() { bChanged = true; }
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

private:
    std::unique_ptr<DatabaseFile> m_file; // two 102,401-byte buffers: kept off the stack
    std::unique_ptr<RefrigerantDatabase> m_db;
    std::unique_ptr<HelpText> m_help;
    SizingResult m_result;
    ResultListContent m_listContent;
    std::array<NumberField*, InputCount> m_fields{};
    int nRefrig = 0;
    bool bChanged = false;
    bool m_databaseLoaded = false;
    DatabaseReadError m_loadFailure;
    int m_calculations = 0;
};
