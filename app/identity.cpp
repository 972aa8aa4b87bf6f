#include "identity.h"

#include "database.h"
#include "verinfo.h"

#include <cstdio>
#include <cstring>
#include <string>

ProductIdentity theProductIdentity;

namespace {

constexpr int kEntryIndexFileDescription = 2;
constexpr int kEntryIndexProductName = 9;
constexpr int kEntryIndexSpecialBuild = 11;
constexpr int kEntryBytes = 99;        // title and product name, terminator included
constexpr int kSpecialBuildBytes = 50; // 49 with the terminator

template <std::size_t N> void CopyText(char (&dest)[N], const char* text) {
    std::memset(dest, 0, N);
    std::snprintf(dest, N, "%s", text);
}

} // namespace

void FillProductIdentity(ProductIdentity& identity, const CVersionResource& version) {
    identity = ProductIdentity{};
    if (!version.IsValid()) {
        CopyText(identity.szTitle, " ");
        CopyText(identity.szProductName, "Velnor");
        CopyText(identity.szVersion, "0.0");
        CopyText(identity.szDbVersion, "0.0");
        return;
    }
    char specialBuild[kSpecialBuildBytes] = {};
    version.GetVersionString(kEntryIndexSpecialBuild, specialBuild, kSpecialBuildBytes - 1);
    version.GetVersionString(kEntryIndexFileDescription, identity.szTitle, kEntryBytes);
    version.GetVersionString(kEntryIndexProductName, identity.szProductName, kEntryBytes);
    CopyText(identity.szDbVersion, "0.0.x");
    std::snprintf(identity.szVersion, sizeof identity.szVersion, "%d.%d %s",
                  version.GetFileVersionMajor(), version.GetFileVersionMinor(), specialBuild);
}

void LoadProductIdentity(ProductIdentity& identity) {
    CVersionResource version;
    version.LoadFromModule(CVersionResource::ProgramModule());
    FillProductIdentity(identity, version);
}

void ApplyDatabaseVersion(ProductIdentity& identity, const RefrigerantDatabase& db) {
    const std::string text = DbVersionText(db);
    if (!text.empty())
        CopyText(identity.szDbVersion, text.c_str());
}
