#pragma once

#include "charfilteredit.h"
#include "texts.h"

#include <QDialog>

#include <memory>

class CLinkStatic;
class LinkOpener;
class Messages;
class QPlainTextEdit;
class QPushButton;
struct HelpText;
template <class Widget> class QtTextField;

// The help dialog: the help text (the database's lines, or the built-in text) in a read-only,
// scrolling character-filter field, a link to the maker's home page, "Disclaimer", which shows
// the disclaimer in a message box and leaves the dialog open, and OK. OK, Enter, Esc and the
// close box close it. The controls carry the object names "id1023" (help text), "id1022"
// (link), "id1025" (Disclaimer) and "id1" (OK).
class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    // The disclaimer is shown in a real message box.
    explicit CHelpDlg(const HelpText& help, QWidget* parent = nullptr);
    // `messages` shows the disclaimer and the link's failures; it must outlive the dialog.
    CHelpDlg(const HelpText& help, Messages& messages, QWidget* parent = nullptr);
    // The same, with the link opened by `opener` instead of the desktop's launcher.
    CHelpDlg(const HelpText& help, Messages& messages, LinkOpener& opener,
             QWidget* parent = nullptr);
    ~CHelpDlg() override;

    // The language the link explains a failure to open in; English until set.
    void SetTexts(const TextLocale& texts);

    // The help field as its rule keeps it.
    const CCharFilterEdit& HelpField() const { return m_helpText; }

private:
    CHelpDlg(const HelpText& help, Messages* messages, LinkOpener* opener, QWidget* parent);
    void OnDisclaimer();

    std::unique_ptr<Messages> m_ownMessages;
    Messages* m_messages;
    CCharFilterEdit m_helpText;
    QtTextField<QPlainTextEdit>* m_helpTextView = nullptr;
    CLinkStatic* m_link = nullptr;
};
