#pragma once

#include "qcolour.h"
#include "textfield.h"

#include <QColor>
#include <QPalette>

class QKeyEvent;
struct EditPaintColors;

// What the Qt adapters of the validating fields share.

// Sets a pointer for the duration of a scope and puts the previous value back.
template <typename T> class PointerScope {
public:
    PointerScope(T*& slot, T* value) : m_slot(slot), m_saved(slot) { m_slot = value; }
    ~PointerScope() { m_slot = m_saved; }
    PointerScope(const PointerScope&) = delete;
    PointerScope& operator=(const PointerScope&) = delete;

private:
    T*& m_slot;
    T* m_saved;
};

// 0x00BBGGRR colours from QColor (the other way is common's ToQColor).
Color ToColor(const QColor& c);

// A key that types characters rather than a shortcut: printable text without Ctrl (Ctrl with
// Alt is AltGr on some platforms), as Qt's own editors decide.
bool TypesText(const QKeyEvent& event);

// The platform's palette with a validating field's colours laid over it, for every state
// (editable, read-only, disabled).
QPalette FieldPalette(const QPalette& platform, const EditPaintColors& colors);
