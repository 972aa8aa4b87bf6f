#include "qdialogunits.h"

#include "qrect.h"

#include <QFontMetrics>
#include <QWidget>

DialogUnits DialogUnitsOf(const QWidget& widget) {
    const QFontMetrics metrics(widget.font());
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits(DialogUnits::AverageCharWidth(alphabet), metrics.height());
}

QRect DialogRectToPixels(const DialogUnits& units, const Rect& dialogRect) {
    return ToQRect(units.ToPixels(dialogRect));
}

void PlaceControl(QWidget& control, const DialogUnits& units, const DialogItem& item) {
    control.setGeometry(DialogRectToPixels(units, item.rect));
    if (item.nId != DialogItem::kNoId)
        control.setObjectName(QStringLiteral("id%1").arg(item.nId));
}
