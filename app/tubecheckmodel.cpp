#include "tubecheckmodel.h"

#include "formatting.h"
#include "report.h"
#include "texts.h"

TubeCheckModel::TubeCheckModel(const MainWindowModel& window, const NumberLocale& numbers)
    : m_window(window) {
    for (int i = 0; i < InputCount; ++i) {
        m_fields[i] = std::make_unique<CNumberEdit>(
            -MainWindowModel::kWholeDigits,
            i == Diameter ? kDiameterDecimals : MainWindowModel::kDecimalPlaces, numbers);
        m_fields[i]->SetChangeCallback([this] { Rate(); });
    }
    Rate();
}

void TubeCheckModel::OfferSelectedTube() {
    if (const auto tube = m_window.SelectedTube()) {
        m_fields[Diameter]->SetValue(tube->diameter, true);
        m_fields[Length]->SetValue(tube->length, true);
    }
}

std::string TubeCheckModel::UnitLabel(Input which) const {
    return GetUnitLabel(which == Diameter ? 3 : 0, m_window.Units());
}

void TubeCheckModel::Rate() {
    const auto v = m_window.InputValues();
    m_rating = RateTube(m_window.Database(), m_window.Refrigerant(), m_window.Units(),
                        v[MainWindowModel::EvapTemp], v[MainWindowModel::CondTemp],
                        v[MainWindowModel::RGasTemp], m_fields[Diameter]->GetValue(),
                        m_fields[Length]->GetValue(), m_window.Texts());
    if (m_onChange)
        m_onChange();
}

std::string TubeCheckModel::FlowLine() const {
    if (!m_rating.FlowKnown())
        return {};
    const TextLocale& texts = m_window.Texts();
    return texts.Tr("Report", "Flow Rate") + ": " +
           ReportFlowText(m_rating.dN2Flow, m_window.Units(), texts);
}

std::string TubeCheckModel::AnswerLine() const {
    if (!m_rating.Valid())
        return m_rating.message;
    return m_window.Texts().Tr("Report", "Heat load of the system") + ": " + m_rating.heatLoadText;
}
