#pragma once

#include "fieldlocale.h"
#include "numberedit.h"

#include <optional>
#include <string>
#include <string_view>

// The money field: a numeric field of 9 whole digits in groups of 3, 2 decimal places padded on
// focus loss and when set (not when empty), leading zeros stripped, and the prefix "$"; then the
// user locale's currency symbol on the side the locale writes it (a prefix, or a suffix behind
// the number), grouping, currency digits and monetary separators where it gives them. Made
// without a locale, the field has the defaults.
class CMoneyEdit : public CNumberEdit {
public:
    CMoneyEdit();
    explicit CMoneyEdit(const FieldLocale& locale, const NumberLocale& numbers = NumberLocale{});

protected:
    // A character typed with the caret in the symbol behind the number goes to the number's end;
    // a selection that takes part of the symbol leaves it whole.
    void HandleChar(char ch) override;
    // A pasted amount is read in the field's own format (ReadAmount): "($50.00)" is -50.00. One
    // that cannot be read so is refused rather than read as another number.
    std::optional<std::string> TakePaste(std::string_view pasted) const override;
    // A paste goes through TakePaste rather than the plain number reading of the numeric rule.
    void HandlePaste() override { PasteAsPlatform(); }
};
