#pragma once

#include <QDialog>

struct ProductIdentity;

// The about box: the program icon, the product name with its version, the maker and the credits,
// and OK. OK, Enter, Esc and the close box close it. The product line carries the object name
// "id1024", the OK button "id1".
class CAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit CAboutBox(const ProductIdentity& identity, QWidget* parent = nullptr);
};
