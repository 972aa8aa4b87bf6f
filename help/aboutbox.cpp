#include "aboutbox.h"

#include "aboutboxmodel.h"
#include "bitmaps.h"
#include "identity.h"
#include "qcp1252.h"
#include "qdialogunits.h"
#include "qtranslate.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A static text: plain, so an ampersand is shown as itself.
void AddText(QWidget* dialog, const DialogUnits& du, const DialogItem& item,
             const std::string& text) {
    auto* label = new QLabel(dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(FromCp1252(text));
    PlaceControl(*label, du, item);
}

} // namespace

CAboutBox::CAboutBox(const ProductIdentity& identity, QWidget* parent) : QDialog(parent) {
    using M = AboutBoxModel;
    setWindowTitle(Translate("About", M::kTitle));
    const DialogUnits du = DialogUnitsOf(*this);

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(M::kIconPixels, M::kIconPixels));
    const Rect& iconRect = M::kIconItem.rect;
    icon->setGeometry(du.X(iconRect.left), du.Y(iconRect.top), M::kIconPixels, M::kIconPixels);

    AddText(this, du, M::kProductItem, M::ProductLine(identity));
    AddText(this, du, M::kMakerItem, M::kMakerLine);
    AddText(this, du, M::kCreditsItem, ToCp1252(Translate("About", M::kCredits)));
    AddText(this, du, M::kCredits2Item, ToCp1252(Translate("About", M::kCredits2)));

    auto* ok = new QPushButton(Translate("About", "OK"), this);
    PlaceControl(*ok, du, M::kOkItem);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();

    setFixedSize(du.X(M::kWidth), du.Y(M::kHeight));
}
