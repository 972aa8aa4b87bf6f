#include "settingsdlg.h"

#include "persistentsettings.h"
#include "qcp1252.h"
#include "qdialogunits.h"
#include "qrect.h"
#include "qtranslate.h"
#include "settingsdlgmodel.h"
#include "unitsettings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString IdName(int id) {
    return QStringLiteral("id%1").arg(id);
}

// A button's template rectangle in pixels, relative to its group box.
QRect ButtonPixels(const DialogUnits& du, const Rect& button, const Rect& group) {
    const Rect origin = du.ToPixels(group);
    return ToQRect(du.ToPixels(button).Moved(-origin.left, -origin.top));
}

} // namespace

CSettingsDlg::CSettingsDlg(UnitSettings& units, SettingsStore& store, QWidget* parent)
    : QDialog(parent), m_units(units), m_store(store) {
    setWindowTitle(Translate("Units", "Settings"));
    const DialogUnits du = DialogUnitsOf(*this);
    const SettingsDlgModel model(m_units);

    const auto& pairs = SettingsDlgModel::Pairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int pair = static_cast<int>(i);
        const Rect groupRect = SettingsDlgModel::GroupRect(pair);
        auto* group = new QGroupBox(Translate("Units", pairs[i].szGroup), this);
        group->setGeometry(DialogRectToPixels(du, groupRect));
        // Each pair is its own exclusive group: the buttons share only their group box.
        m_first[i] = new QRadioButton(Translate("Units", pairs[i].szFirst), group);
        m_first[i]->setObjectName(IdName(pairs[i].nFirstId));
        m_first[i]->setGeometry(
            ButtonPixels(du, SettingsDlgModel::FirstButtonRect(pair), groupRect));
        m_second[i] = new QRadioButton(Translate("Units", pairs[i].szSecond), group);
        m_second[i]->setObjectName(IdName(pairs[i].nSecondId));
        m_second[i]->setGeometry(
            ButtonPixels(du, SettingsDlgModel::SecondButtonRect(pair), groupRect));
        const bool bFirst = model.IsFirstChecked(pair);
        m_first[i]->setChecked(bFirst);
        m_second[i]->setChecked(!bFirst);
    }

    auto* label = new QLabel(Translate("Units", SettingsDlgModel::kDiamListLabel), this);
    PlaceControl(*label, du, SettingsDlgModel::kLabelItem);
    m_diamList = new QComboBox(this);
    for (const char* item : SettingsDlgModel::DiamListItems()) {
        m_diamList->addItem(Translate("Units", item));
    }
    m_diamList->setCurrentIndex(model.DiamIndex());
    PlaceControl(*m_diamList, du, SettingsDlgModel::kDiamListItem);

    auto* ok = new QPushButton(Translate("Units", "OK"), this);
    PlaceControl(*ok, du, SettingsDlgModel::kOkItem);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(Translate("Units", "Cancel"), this);
    PlaceControl(*cancel, du, SettingsDlgModel::kCancelItem);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(du.X(SettingsDlgModel::kWidth), du.Y(SettingsDlgModel::kHeight));
}

void CSettingsDlg::accept() {
    SettingsDlgModel model(m_units);
    for (std::size_t i = 0; i < m_first.size(); ++i) {
        model.SetFirstChecked(static_cast<int>(i), m_first[i]->isChecked());
    }
    model.SetDiamIndex(m_diamList->currentIndex());
    PersistentSettings settings(m_store);
    model.Accept(m_units, settings);
    QDialog::accept();
}
