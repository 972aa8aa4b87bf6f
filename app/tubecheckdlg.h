#pragma once

#include "tubecheckmodel.h"

#include <QDialog>

#include <array>

class Messages;
class QLabel;
#include "qttextfield.h"

// "Check a Tube": what a tube of a typed inner diameter and length serves at the main window's
// refrigerant, temperatures and units, answered as the user types. Starts with the window's
// selected tube. The fields carry the accessible names "Inner diameter" and "Length"; the flow
// and the answer are labels named by their texts, so a change is announced as a name change.
class TubeCheckDlg : public QDialog {
    Q_OBJECT

public:
    // `window` and `messages` (the fields' range messages) must outlive the dialog.
    TubeCheckDlg(const MainWindowModel& window, Messages& messages, QWidget* parent = nullptr);
    ~TubeCheckDlg() override;

    TubeCheckModel& Model() { return m_model; }

private:
    void ShowAnswer();

    TubeCheckModel m_model;
    std::array<QtLineField*, TubeCheckModel::InputCount> m_fields{};
    QLabel* m_flow = nullptr;
    QLabel* m_answer = nullptr;
};
