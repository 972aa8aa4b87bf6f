#pragma once

#include "messages.h"

class QWidget;

// Messages as QMessageBox and QApplication::beep. Texts are Windows-1252.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* owner = nullptr) : parent(owner) {}
    void Show(const std::string& text, Icon icon) override;
    void Beep() override;

private:
    QWidget* parent;
};

// The program's texts as QString.
class QString;
QString ToQString(const std::string& cp1252);
