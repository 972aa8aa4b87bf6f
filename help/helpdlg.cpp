#include "helpdlg.h"

#include "database.h"
#include "helpdlgmodel.h"
#include "homepage.h"
#include "hyperlink.h"
#include "qcp1252.h"
#include "qdialogunits.h"
#include "qtmessages.h"
#include "qtranslate.h"
#include "qttextfield.h"

#include <QPushButton>

using M = HelpDlgModel;

CHelpDlg::CHelpDlg(const HelpText& help, QWidget* parent)
    : CHelpDlg(help, nullptr, nullptr, parent) {}

CHelpDlg::CHelpDlg(const HelpText& help, Messages& messages, QWidget* parent)
    : CHelpDlg(help, &messages, nullptr, parent) {}

CHelpDlg::CHelpDlg(const HelpText& help, Messages& messages, LinkOpener& opener, QWidget* parent)
    : CHelpDlg(help, &messages, &opener, parent) {}

CHelpDlg::CHelpDlg(const HelpText& help, Messages* messages, LinkOpener* opener, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_helpText(M::kHelpMaxLength, M::kHelpExcludedChars) {
    if (!m_messages) {
        m_ownMessages = std::make_unique<QtMessages>(this);
        m_messages = m_ownMessages.get();
    }
    setWindowTitle(Translate("Help", M::kTitle));
    const DialogUnits du = DialogUnitsOf(*this);

    // Read-only, a border, a vertical scroll bar, no word wrap and no horizontal bar: the text
    // scrolls sideways with the caret.
    m_helpTextView = new QtMultiLineField(this);
    m_helpTextView->SetReadOnly(true);
    m_helpTextView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_helpTextView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PlaceControl(*m_helpTextView, du, M::kHelpTextItem);
    m_helpTextView->SetMessages(*m_messages);
    m_helpTextView->Bind(&m_helpText);

    // The link adopts its text and fits itself to it at its template place; its failures to
    // open are reported through the same messages as the disclaimer. Default colours.
    m_link = new CLinkStatic(Translate("Help", M::kLinkText), this, opener, m_messages);
    PlaceControl(*m_link, du, M::kLinkItem);
    m_link->SetLinkAddress(kHomePageAddress);

    auto* disclaimer = new QPushButton(Translate("Help", M::kDisclaimerButton), this);
    PlaceControl(*disclaimer, du, M::kDisclaimerItem);
    connect(disclaimer, &QPushButton::clicked, this, &CHelpDlg::OnDisclaimer);

    auto* ok = new QPushButton(Translate("Help", M::kOkButton), this);
    PlaceControl(*ok, du, M::kOkItem);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(du.X(M::kWidth), du.Y(M::kHeight));

    // The field removes the excluded characters as the text is set.
    m_helpText.SetText(M::ComposeText(help));
    m_helpText.SetBackColor(M::kHelpBackColor);
    // The first control of the template has the focus.
    m_helpTextView->setFocus(Qt::OtherFocusReason);
}

void CHelpDlg::SetTexts(const TextLocale& texts) {
    m_link->SetTexts(texts);
}

CHelpDlg::~CHelpDlg() {
    // The field goes before the widget does.
    m_helpTextView->Bind(nullptr);
}

void CHelpDlg::OnDisclaimer() {
    m_messages->Show(M::DisclaimerText(), Messages::Icon::Information);
}
