#include "aboutbox.h"

#include "aboutboxmodel.h"
#include "bitmaps.h"
#include "identity.h"
#include "qcp1252.h"
#include "qdialogunits.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A static text: plain, so an ampersand is shown as itself.
QLabel* AddText(QWidget* dialog, const DialogUnits& du, const Rect& rect, const std::string& text) {
    auto* label = new QLabel(dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(FromCp1252(text));
    label->setGeometry(DialogRectToPixels(du, rect));
    return label;
}

} // namespace

CAboutBox::CAboutBox(QWidget* parent) : CAboutBox(theProductIdentity, parent) {}

CAboutBox::CAboutBox(const ProductIdentity& identity, QWidget* parent) : QDialog(parent) {
    using M = AboutBoxModel;
    setWindowTitle(FromCp1252(M::kTitle));
    const DialogUnits du = DialogUnitsOf(*this);

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(M::kIconPixels, M::kIconPixels));
    icon->setGeometry(du.X(M::kIconRect.left), du.Y(M::kIconRect.top), M::kIconPixels,
                      M::kIconPixels);

    QLabel* product = AddText(this, du, M::kProductRect, M::ProductLine(identity));
    product->setObjectName(QStringLiteral("id%1").arg(M::kProductLineId));
    AddText(this, du, M::kMakerRect, M::kMakerLine);
    AddText(this, du, M::kCreditsRect, M::kCredits);
    AddText(this, du, M::kCredits2Rect, M::kCredits2);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id%1").arg(M::kOkId));
    ok->setGeometry(DialogRectToPixels(du, M::kOkRect));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();

    setFixedSize(du.X(M::kWidth), du.Y(M::kHeight));
}
