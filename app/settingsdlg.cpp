#include "settingsdlg.h"

#include "cp1252.h"
#include "dialogunits.h"
#include "persistentsettings.h"
#include "settingsdlgmodel.h"
#include "unitsettings.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString FromCp1252(const char* text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

QString IdName(int id) {
    return QStringLiteral("id%1").arg(id);
}

DialogUnits UnitsOf(const QWidget& widget) {
    const QFontMetrics metrics(widget.font());
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits(DialogUnits::AverageCharWidth(alphabet), metrics.height());
}

// A template rectangle in pixels, relative to `origin` (a rectangle of the same template).
QRect ToPixels(const DialogUnits& du, const SettingsDlgModel::DlgRect& rect,
               const SettingsDlgModel::DlgRect& origin = {0, 0, 0, 0}) {
    return QRect(du.X(rect.x) - du.X(origin.x), du.Y(rect.y) - du.Y(origin.y), du.X(rect.cx),
                 du.Y(rect.cy));
}

} // namespace

CSettingsDlg::CSettingsDlg(SettingsStore& store, QWidget* parent)
    : CSettingsDlg(TheUnitSettings(), store, parent) {}

CSettingsDlg::CSettingsDlg(UnitSettings& units, SettingsStore& store, QWidget* parent)
    : QDialog(parent), m_units(units), m_store(store) {
    setWindowTitle(QStringLiteral("Settings"));
    const DialogUnits du = UnitsOf(*this);
    const SettingsDlgModel model(m_units);

    const auto& pairs = SettingsDlgModel::Pairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int pair = static_cast<int>(i);
        const SettingsDlgModel::DlgRect groupRect = SettingsDlgModel::GroupRect(pair);
        auto* group = new QGroupBox(FromCp1252(pairs[i].szGroup), this);
        group->setGeometry(ToPixels(du, groupRect));
        // Each pair is its own exclusive group: the buttons share only their group box.
        m_first[i] = new QRadioButton(FromCp1252(pairs[i].szFirst), group);
        m_first[i]->setObjectName(IdName(pairs[i].nFirstId));
        m_first[i]->setGeometry(ToPixels(du, SettingsDlgModel::FirstButtonRect(pair), groupRect));
        m_second[i] = new QRadioButton(FromCp1252(pairs[i].szSecond), group);
        m_second[i]->setObjectName(IdName(pairs[i].nSecondId));
        m_second[i]->setGeometry(ToPixels(du, SettingsDlgModel::SecondButtonRect(pair), groupRect));
        const bool bFirst = model.IsFirstChecked(pair);
        m_first[i]->setChecked(bFirst);
        m_second[i]->setChecked(!bFirst);
    }

    auto* label = new QLabel(FromCp1252(SettingsDlgModel::kDiamListLabel), this);
    label->setGeometry(ToPixels(du, SettingsDlgModel::kLabelRect));
    m_diamList = new QComboBox(this);
    m_diamList->setObjectName(IdName(SettingsDlgModel::kDiamListId));
    for (const char* item : SettingsDlgModel::DiamListItems()) {
        m_diamList->addItem(FromCp1252(item));
    }
    m_diamList->setCurrentIndex(model.DiamIndex());
    m_diamList->setGeometry(ToPixels(du, SettingsDlgModel::kListRect));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(IdName(1));
    ok->setGeometry(ToPixels(du, SettingsDlgModel::kOkRect));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(IdName(2));
    cancel->setGeometry(ToPixels(du, SettingsDlgModel::kCancelRect));
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
