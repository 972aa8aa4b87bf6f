#include "tubecheckdlg.h"

#include "qcp1252.h"
#include "qdialogunits.h"
#include "qnumberlocale.h"
#include "qtranslate.h"
#include "qttextfield.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

TubeCheckDlg::TubeCheckDlg(const MainWindowModel& window, Messages& messages, QWidget* parent)
    : QDialog(parent), m_model(window, NumberLocaleOf(QLocale())) {
    setWindowTitle(Translate("Tube", "Check a Tube"));
    const DialogUnits du = DialogUnitsOf(*this);
    const QString names[] = {Translate("Tube", "Inner diameter"), Translate("Tube", "Length")};
    for (int i = 0; i < TubeCheckModel::InputCount; ++i) {
        const auto which = static_cast<TubeCheckModel::Input>(i);
        const QString unit = FromCp1252(m_model.UnitLabel(which));
        auto* label = new QLabel(Translate("Tube", "%1 (%2):").arg(names[i], unit), this);
        PlaceControl(*label, du, TubeCheckModel::kLabelItems[i]);
        auto* field = new QtLineField(this);
        field->SetMessages(messages);
        field->Bind(&m_model.Field(which));
        m_model.Field(which).SetBackColor(MainWindowModel::kFieldBackColor);
        field->setAccessibleName(names[i]);
        field->setToolTip(names[i]);
        label->setBuddy(field);
        PlaceControl(*field, du, TubeCheckModel::kFieldItems[i]);
        m_fields[i] = field;
    }
    m_flow = new QLabel(this);
    m_flow->setTextFormat(Qt::PlainText);
    PlaceControl(*m_flow, du, TubeCheckModel::kFlowItem);
    m_answer = new QLabel(this);
    m_answer->setTextFormat(Qt::PlainText);
    m_answer->setWordWrap(true);
    m_answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceControl(*m_answer, du, TubeCheckModel::kAnswerItem);
    auto* close = new QPushButton(Translate("Tube", "Close"), this);
    PlaceControl(*close, du, TubeCheckModel::kCloseItem);
    // Enter in a field closes the dialog as Esc does; the answer is already shown.
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(m_fields[TubeCheckModel::Diameter], m_fields[TubeCheckModel::Length]);
    setTabOrder(m_fields[TubeCheckModel::Length], close);
    setFixedSize(du.X(TubeCheckModel::kWidth), du.Y(TubeCheckModel::kHeight));

    m_model.SetChangeCallback([this] { ShowAnswer(); });
    m_model.OfferSelectedTube();
    ShowAnswer();
    m_fields[TubeCheckModel::Diameter]->setFocus();
    m_fields[TubeCheckModel::Diameter]->selectAll();
}

TubeCheckDlg::~TubeCheckDlg() {
    m_model.SetChangeCallback({});
    // The widgets outlive the model's fields they show.
    for (QtLineField* field : m_fields)
        field->Bind(nullptr);
}

void TubeCheckDlg::ShowAnswer() {
    // A label without an accessible name of its own is read by its text, and a new text is
    // announced as a change of its name.
    m_flow->setText(FromCp1252(m_model.FlowLine()));
    m_answer->setText(FromCp1252(m_model.AnswerLine()));
}
