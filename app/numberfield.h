#pragma once

#include <string>

// What the main window needs of one of its numeric fields. The Qt window hands in its
// validating fields; tests hand in plain ones.
class NumberField {
public:
    virtual ~NumberField() = default;
    virtual double GetValue() const = 0;
    virtual void SetValue(double value, bool trimZeros) = 0;
    virtual std::string GetText() const = 0;
};
