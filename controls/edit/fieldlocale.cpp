#include "fieldlocale.h"

#include <utility>

namespace {

std::function<FieldLocale()>& Source() {
    static std::function<FieldLocale()> source;
    return source;
}

} // namespace

void SetFieldLocaleSource(std::function<FieldLocale()> source) {
    Source() = std::move(source);
}

FieldLocale UserFieldLocale() {
    const auto& source = Source();
    return source ? source() : FieldLocale{};
}
