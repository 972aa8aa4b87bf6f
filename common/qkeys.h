#pragma once

#include <QKeyEvent>

// Enter or Return (of the keypad too) without Shift, Ctrl or Alt: the key that presses a button
// or follows a link.
inline bool IsPlainEnter(const QKeyEvent& event) {
    const int key = event.key();
    return (key == Qt::Key_Return || key == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
