#pragma once

#include "messages.h"

class QWidget;
struct ProductIdentity;

// Messages as QMessageBox and QApplication::beep. Texts are Windows-1252. A box is titled with
// MessageBoxTitle of `identity` as it stands when the box is shown (without one, of an empty
// identity), never with the executable's name; `identity` must outlive these messages.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* owner = nullptr, const ProductIdentity* identity = nullptr)
        : m_parent(owner), m_identity(identity) {}
    void Show(const std::string& text, Icon icon) override;
    void Beep() override;

private:
    QWidget* m_parent;
    const ProductIdentity* m_identity;
};
