#include "qfieldsupport.h"

#include "amsedit.h"

#include <QKeyEvent>

Color ToColor(const QColor& c) {
    return static_cast<Color>(c.red()) | (static_cast<Color>(c.green()) << 8) |
           (static_cast<Color>(c.blue()) << 16);
}

bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint())
        return false;
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    return mods != Qt::ControlModifier && mods != (Qt::ControlModifier | Qt::ShiftModifier);
}

QPalette FieldPalette(const QPalette& platform, const EditPaintColors& colors) {
    QPalette laid = platform;
    if (!colors.useDefault) {
        if (colors.hasBrush)
            laid.setColor(QPalette::Base, ToQColor(colors.brushColor));
        if (colors.applyTextColor)
            laid.setColor(QPalette::Text, ToQColor(colors.textColor));
    }
    return laid;
}
