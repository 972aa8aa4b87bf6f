#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QRadioButton;
class SettingsStore;
struct UnitSettings;

// The units dialog: six pairs of radio buttons and the diameter list. Opening shows `units`;
// OK updates `units` and writes the unit entries that changed to the store; Cancel, Esc and the
// close box change nothing. The controls with an id carry the object name "id" and the id
// ("id1004", "id1026", "id1" for OK, "id2" for Cancel).
class CSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CSettingsDlg(UnitSettings& units, SettingsStore& store, QWidget* parent = nullptr);

    void accept() override;

private:
    UnitSettings& m_units;
    SettingsStore& m_store;
    std::array<QRadioButton*, 6> m_first{};
    std::array<QRadioButton*, 6> m_second{};
    QComboBox* m_diamList = nullptr;
};
