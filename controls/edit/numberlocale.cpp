#include "numberlocale.h"

#include <utility>

namespace {

std::function<NumberLocale()>& Source() {
    static std::function<NumberLocale()> source;
    return source;
}

} // namespace

void SetNumberLocaleSource(std::function<NumberLocale()> source) {
    Source() = std::move(source);
}

NumberLocale UserNumberLocale() {
    const auto& source = Source();
    return source ? source() : NumberLocale{};
}
