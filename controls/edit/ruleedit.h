#pragma once

#include "amsedit.h"

#include <string>
#include <utility>

// A validating field that owns one rule of type `R` and hands it typed characters, key presses,
// focus loss and the filtered-text question. The rule is constructed with this field and
// `args`.
template <class R> class RuleEdit : public CValidEdit {
public:
    template <typename... Args>
    explicit RuleEdit(Args&&... args) : m_rule(*this, std::forward<Args>(args)...) {}

    R& Rule() { return m_rule; }
    const R& Rule() const { return m_rule; }

    std::string FilteredText() const override { return m_rule.FilteredText(); }

protected:
    void HandleChar(char ch) override { m_rule.HandleChar(ch); }
    void HandleKeyDown(int key) override { m_rule.HandleKeyDown(key); }
    void HandleFocusLost() override { m_rule.HandleFocusLost(); }
    void HandlePaste() override { m_rule.HandlePaste(); }

private:
    R m_rule;
};
