#include "mainwindowmodel.h"

#include "convert.h"

MainWindowModel::MainWindowModel()
    : file(std::make_unique<DatabaseFile>()), db(std::make_unique<RefrigerantDatabase>()),
      help(std::make_unique<HelpText>()) {}

bool MainWindowModel::LoadDatabase(const char* fileName) {
    bDatabaseLoaded =
        ReadDatabaseFile(*file, *help, fileName) != 0 && ParseDatabase(*file, *db, *help);
    return bDatabaseLoaded;
}

void MainWindowModel::RestoreInputs(const std::array<double, InputCount>& values) {
    for (int i = 0; i < InputCount; ++i) {
        if (fields[i])
            fields[i]->SetValue(values[i], true);
    }
}

std::array<double, MainWindowModel::InputCount> MainWindowModel::InputValues() const {
    std::array<double, InputCount> values{};
    for (int i = 0; i < InputCount; ++i)
        values[i] = fields[i] ? fields[i]->GetValue() : 0.0;
    return values;
}

void MainWindowModel::OnRefrigerantSelected(int index) {
    nRefrig = index;
    bChanged = true;
}

void MainWindowModel::OnInputEdited(Input which) {
    if (which != Ambient)
        bChanged = true;
}

bool MainWindowModel::OnTimer() {
    if (!bChanged)
        return false;
    Calculate();
    return true;
}

void MainWindowModel::OnUnitsChanged(int oldUnitsEnergy, int oldUnitsTemperature) {
    const UnitSettings& units = TheUnitSettings();
    if (units.UnitsEnergy != oldUnitsEnergy && fields[HeatLoad]) {
        const double q = fields[HeatLoad]->GetValue();
        fields[HeatLoad]->SetValue(units.UnitsEnergy != 0 ? BtuhToW(q) : WToBtuh(q), true);
    }
    if (units.UnitsTemperature != oldUnitsTemperature) {
        for (const Input i : {EvapTemp, CondTemp, RGasTemp, Ambient}) {
            if (!fields[i])
                continue;
            const double t = fields[i]->GetValue();
            fields[i]->SetValue(units.UnitsTemperature == 0 ? FToC(t) : CToF(t), true);
        }
    }
    Calculate();
}

void MainWindowModel::Calculate() {
    ++nCalculations;
    bChanged = false;
    if (nRefrig < 0 || nRefrig >= db->nRefrigerants) {
        // Nothing to size for: the list says so instead.
        listContent = NoRefrigerantList();
        return;
    }
    const std::array<double, InputCount> v = InputValues();
    ComputeSizing(*db, nRefrig, TheUnitSettings(), v[HeatLoad], v[EvapTemp], v[CondTemp],
                  v[RGasTemp], result);
    listContent = FillResultList(result, *db, nRefrig, TheUnitSettings());
}

ReportInputs MainWindowModel::ReportInputsNow() const {
    const auto text = [this](Input i) { return fields[i] ? fields[i]->GetText() : std::string(); };
    ReportInputs inputs;
    if (nRefrig >= 0 && nRefrig < db->nRefrigerants)
        inputs.refrigerantName = db->szName[nRefrig];
    inputs.heatLoadText = text(HeatLoad);
    inputs.evapTempText = text(EvapTemp);
    inputs.condTempText = text(CondTemp);
    inputs.rgasTempText = text(RGasTemp);
    return inputs;
}

std::vector<ReportLine> MainWindowModel::ReportLines() const {
    return ComposeReportLines(ReportInputsNow(), result, *db, TheUnitSettings());
}
