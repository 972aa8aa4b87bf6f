#include "mainwindowmodel.h"

#include "convert.h"
#include "formatting.h"
#include "persistentsettings.h"
#include "texts.h"

MainWindowModel::MainWindowModel(UnitSettings& units, const TextLocale& texts,
                                 const NumberLocale& numbers)
    : m_units(units), m_texts(texts), m_file(std::make_unique<DatabaseFile>()),
      m_db(std::make_unique<RefrigerantDatabase>()), m_help(std::make_unique<HelpText>()) {
    for (int i = 0; i < InputCount; ++i) {
        const auto which = static_cast<Input>(i);
        m_fields[which] = std::make_unique<CNumberEdit>(kWholeDigits, kDecimalPlaces, numbers);
        m_fields[which]->SetChangeCallback([this, which] { OnInputEdited(which); });
    }
}

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
        reason = m_texts.Tr("Messages", "the file is missing.");
        break;
    case DatabaseFailure::NotRegularFile:
        reason = m_texts.Tr("Messages", "it is not a regular file.");
        break;
    case DatabaseFailure::Unreadable:
        reason =
            Compose(m_texts.Tr("Messages", "it is unreadable (%1)."), {m_loadFailure.systemError});
        break;
    case DatabaseFailure::None:
    case DatabaseFailure::NotDatabase:
        reason = m_texts.Tr("Messages", "it is not a Velnor database.");
        break;
    }
    return Compose(m_texts.Tr("Messages", "Could not read %1: %2"), {path, reason});
}

void MainWindowModel::ReadUnits(PersistentSettings& settings) {
    settings.ReadUnits(m_units);
}

void MainWindowModel::RestoreRefrigerant(PersistentSettings& settings) {
    nRefrig = settings.ReadRefrigerant(m_db->nRefrigerants);
}

void MainWindowModel::RestoreInputs(PersistentSettings& settings) {
    const SavedInputs saved = settings.ReadInputs(m_units);
    const double values[InputCount] = {saved.dHeatLoad, saved.dEvapTemp, saved.dCondTemp,
                                       saved.dRGasTemp, saved.dAmbient};
    for (int i = 0; i < InputCount; ++i)
        m_fields[i]->SetValue(values[i], true);
    // What the fields show now counts as stored: a save writes only what the user changes.
    settings.RestoredSelectionAndInputs(nRefrig, ShownInputs());
}

void MainWindowModel::SaveSelectionAndInputs(PersistentSettings& settings) const {
    settings.WriteSelectionAndInputs(nRefrig, ShownInputs());
}

SavedInputs MainWindowModel::ShownInputs() const {
    const std::array<double, InputCount> v = InputValues();
    return {v[HeatLoad], v[EvapTemp], v[CondTemp], v[RGasTemp], v[Ambient]};
}

std::array<double, MainWindowModel::InputCount> MainWindowModel::InputValues() const {
    std::array<double, InputCount> values{};
    for (int i = 0; i < InputCount; ++i)
        values[i] = m_fields[i]->GetValue();
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

void MainWindowModel::OnResultListClicked(int row) {
    m_chosenRow = row;
    bChanged = true;
}

bool MainWindowModel::OnTimer() {
    if (!bChanged)
        return false;
    Calculate();
    return true;
}

void MainWindowModel::OnUnitsChanged(int oldUnitsEnergy, int oldUnitsTemperature) {
    if (m_units.UnitsEnergy != oldUnitsEnergy) {
        CNumberEdit& heatLoad = *m_fields[HeatLoad];
        const double q = heatLoad.GetValue();
        heatLoad.SetValue(m_units.UnitsEnergy != 0 ? BtuhToW(q) : WToBtuh(q), true);
    }
    if (m_units.UnitsTemperature != oldUnitsTemperature) {
        for (const Input i : {EvapTemp, CondTemp, RGasTemp, Ambient}) {
            const double t = m_fields[i]->GetValue();
            m_fields[i]->SetValue(m_units.UnitsTemperature == 0 ? FToC(t) : CToF(t), true);
        }
    }
    Calculate();
}

void MainWindowModel::Calculate() {
    ++m_calculations;
    bChanged = false;
    m_chosenRow = -1;
    if (nRefrig < 0 || nRefrig >= m_db->nRefrigerants) {
        // Nothing to size for: the list says so instead.
        m_listContent = NoRefrigerantList(m_texts);
        return;
    }
    const std::array<double, InputCount> v = InputValues();
    ComputeSizing(*m_db, nRefrig, m_units, v[HeatLoad], v[EvapTemp], v[CondTemp], v[RGasTemp],
                  m_result);
    m_listContent = FillResultList(m_result, *m_db, nRefrig, m_units, m_texts);
}

ReportInputs MainWindowModel::ReportInputsNow() const {
    ReportInputs inputs;
    if (nRefrig >= 0 && nRefrig < m_db->nRefrigerants)
        inputs.refrigerantName = m_db->szName[nRefrig];
    inputs.heatLoadText = m_fields[HeatLoad]->GetText();
    inputs.evapTempText = m_fields[EvapTemp]->GetText();
    inputs.condTempText = m_fields[CondTemp]->GetText();
    inputs.rgasTempText = m_fields[RGasTemp]->GetText();
    return inputs;
}

std::vector<ReportLine> MainWindowModel::ReportLines() const {
    return ComposeReportLines(ReportInputsNow(), m_result, *m_db, m_units, m_texts);
}

std::string MainWindowModel::CopyText() const {
    return ReportBodyText(ReportLines());
}

std::string MainWindowModel::CopyHtml() const {
    return ReportHtmlTable(ReportLines());
}

std::optional<MainWindowModel::Tube> MainWindowModel::SelectedTube() const {
    if (!m_listContent.valid)
        return std::nullopt;
    const int rows = static_cast<int>(m_listContent.rows.size());
    const int row =
        m_chosenRow >= 0 && m_chosenRow < rows ? m_chosenRow : m_listContent.selectedRow;
    const int k = m_result.nFirstRow + row;
    if (row < 0 || k < 0 || k >= DiameterCount(*m_db, m_units.DiamType) || k >= kMaxDiameters)
        return std::nullopt;
    const int list = m_units.DiamType != 0 ? 1 : 0;
    return Tube{ToDisplayDiameter(DiameterList(*m_db, m_units.DiamType)[k], m_units),
                ToDisplayLength(m_result.dLength[list][k], m_units)};
}
