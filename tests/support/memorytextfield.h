#pragma once

#include "drafttextfield.h"
#include "messages.h"

#include <vector>

// The tests' and fuzz targets' stand-in for the platform's field: an in-memory field with the
// platform edit's default behaviour whose feedback (beeps, message boxes, focus requests,
// repaints, change notifications) is recorded for inspection.
class MemoryTextField : public DraftTextField {
public:
    struct Calls {
        int beeps = 0;
        int focusRequests = 0;
        int repaints = 0;
        int focusLosses = 0;
        int changes = 0; // change notifications sent
        std::vector<std::string> messages;
        std::vector<Messages::Icon> messageIcons;
    };

    void DefaultFocusLost() override { ++m_calls.focusLosses; }
    Messages& GetMessages() override { return m_messages; }
    void SetFocus() override { ++m_calls.focusRequests; }
    void Repaint() override { ++m_calls.repaints; }

    COLORREF DrawingTextColor() const override { return m_drawText; }
    COLORREF DrawingBackColor() const override { return m_drawBack; }

    void SetDrawingColors(COLORREF text, COLORREF back) {
        m_drawText = text;
        m_drawBack = back;
    }
    const Calls& GetCalls() const { return m_calls; }

protected:
    void OnTextChanged() override { ++m_calls.changes; }

private:
    // Records the beeps and message boxes in the calls.
    class Recorder : public Messages {
    public:
        explicit Recorder(Calls& calls) : m_calls(calls) {}
        void Show(const std::string& text, Icon icon) override {
            m_calls.messages.push_back(text);
            m_calls.messageIcons.push_back(icon);
        }
        void Beep() override { ++m_calls.beeps; }

    private:
        Calls& m_calls;
    };

    COLORREF m_drawText = RGB(0, 0, 0);
    COLORREF m_drawBack = RGB(255, 255, 255);
    Calls m_calls;
    Recorder m_messages{m_calls};
};
