#include "qdialogunits.h"

#include <QFontMetrics>
#include <QWidget>

DialogUnits DialogUnitsOf(const QWidget& widget) {
    const QFontMetrics metrics(widget.font());
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits(DialogUnits::AverageCharWidth(alphabet), metrics.height());
}
