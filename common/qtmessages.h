#pragma once

#include "messages.h"

class QWidget;

// Messages as QMessageBox and QApplication::beep. Texts are Windows-1252. A box is titled with
// MessageBoxTitle of the product identity, never with the executable's name.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* owner = nullptr) : m_parent(owner) {}
    void Show(const std::string& text, Icon icon) override;
    void Beep() override;

private:
    QWidget* m_parent;
};
