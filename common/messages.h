#pragma once

#include <string>

// Message boxes and sounds: the Qt side shows them, tests record them.
class Messages {
public:
    enum class Icon { Error, Exclamation, Information };
    virtual ~Messages() = default;
    // A modal message box with an OK button; returns when it is dismissed.
    virtual void Show(const std::string& text, Icon icon) = 0;
    virtual void Beep() = 0;
};
