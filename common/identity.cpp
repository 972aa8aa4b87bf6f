#include "identity.h"

#include "database.h"

#include <cstring>
#include <string>
#include <string_view>

namespace {

// The text of a fixed buffer, up to its terminator or its end.
template <std::size_t N> std::string_view TextOf(const char (&buffer)[N]) {
    return {buffer, strnlen(buffer, N)};
}

bool HasText(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

} // namespace

std::string MessageBoxTitle(const ProductIdentity& identity) {
    if (HasText(TextOf(identity.szTitle)))
        return std::string(TextOf(identity.szTitle));
    if (HasText(TextOf(identity.szProductName)))
        return std::string(TextOf(identity.szProductName));
    return "Velnor"; // the product's own name, as a missing version record gives it
}

void ApplyDatabaseVersion(ProductIdentity& identity, const RefrigerantDatabase& db) {
    const std::string text = DbVersionText(db);
    if (!text.empty())
        CopyText(identity.szDbVersion, text.c_str());
}
