#include "mainwindowmodel.h"

#include "convert.h"
#include "texts.h"

MainWindowModel::MainWindowModel()
    : m_file(std::make_unique<DatabaseFile>()), m_db(std::make_unique<RefrigerantDatabase>()),
      m_help(std::make_unique<HelpText>()) {}

bool MainWindowModel::LoadDatabase(const char* fileName) {
    m_databaseLoaded = ReadDatabaseFile(*m_file, *m_help, fileName, &m_loadFailure) != 0 &&
                       ParseDatabase(*m_file, *m_db, *m_help);
    if (!m_databaseLoaded && m_loadFailure.kind == DatabaseFailure::None)
        m_loadFailure.kind = DatabaseFailure::NotDatabase;
    return m_databaseLoaded;
}

std::string MainWindowModel::LoadFailureMessage(const std::string& path) const {
    std::string reason;
    switch (m_loadFailure.kind) {
    case DatabaseFailure::Missing:
        reason = Tr("Messages", "the file is missing.");
        break;
    case DatabaseFailure::NotRegularFile:
        reason = Tr("Messages", "it is not a regular file.");
        break;
    case DatabaseFailure::Unreadable:
        reason = Compose(Tr("Messages", "it is unreadable (%1)."), {m_loadFailure.systemError});
        break;
    case DatabaseFailure::None:
    case DatabaseFailure::NotDatabase:
        reason = Tr("Messages", "it is not a Velnor database.");
        break;
    }
    return Compose(Tr("Messages", "Could not read %1: %2"), {path, reason});
}

void MainWindowModel::RestoreInputs(const std::array<double, InputCount>& values) {
    for (int i = 0; i < InputCount; ++i) {
        if (m_fields[i])
            m_fields[i]->SetValue(values[i], true);
    }
}

std::array<double, MainWindowModel::InputCount> MainWindowModel::InputValues() const {
    std::array<double, InputCount> values{};
    for (int i = 0; i < InputCount; ++i)
        values[i] = m_fields[i] ? m_fields[i]->GetValue() : 0.0;
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
    if (units.UnitsEnergy != oldUnitsEnergy && m_fields[HeatLoad]) {
        const double q = m_fields[HeatLoad]->GetValue();
        m_fields[HeatLoad]->SetValue(units.UnitsEnergy != 0 ? BtuhToW(q) : WToBtuh(q), true);
    }
    if (units.UnitsTemperature != oldUnitsTemperature) {
        for (const Input i : {EvapTemp, CondTemp, RGasTemp, Ambient}) {
            if (!m_fields[i])
                continue;
            const double t = m_fields[i]->GetValue();
            m_fields[i]->SetValue(units.UnitsTemperature == 0 ? FToC(t) : CToF(t), true);
        }
    }
    Calculate();
}

void MainWindowModel::Calculate() {
    ++m_calculations;
    bChanged = false;
    if (nRefrig < 0 || nRefrig >= m_db->nRefrigerants) {
        // Nothing to size for: the list says so instead.
        m_listContent = NoRefrigerantList();
        return;
    }
    const std::array<double, InputCount> v = InputValues();
    ComputeSizing(*m_db, nRefrig, TheUnitSettings(), v[HeatLoad], v[EvapTemp], v[CondTemp],
                  v[RGasTemp], m_result);
    m_listContent = FillResultList(m_result, *m_db, nRefrig, TheUnitSettings());
}

ReportInputs MainWindowModel::ReportInputsNow() const {
    const auto text = [this](Input i) {
        return m_fields[i] ? m_fields[i]->GetText() : std::string();
    };
    ReportInputs inputs;
    if (nRefrig >= 0 && nRefrig < m_db->nRefrigerants)
        inputs.refrigerantName = m_db->szName[nRefrig];
    inputs.heatLoadText = text(HeatLoad);
    inputs.evapTempText = text(EvapTemp);
    inputs.condTempText = text(CondTemp);
    inputs.rgasTempText = text(RGasTemp);
    return inputs;
}

std::vector<ReportLine> MainWindowModel::ReportLines() const {
    return ComposeReportLines(ReportInputsNow(), m_result, *m_db, TheUnitSettings());
}
