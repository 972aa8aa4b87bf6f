#include "productidentity.h"

#include "verinfo.h"

#include <cstdio>

namespace {

constexpr int kEntryIndexFileDescription = 2;
constexpr int kEntryIndexProductName = 9;
constexpr int kEntryIndexSpecialBuild = 11;
constexpr int kEntryBytes = 99;        // title and product name, terminator included
constexpr int kSpecialBuildBytes = 50; // 49 with the terminator

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
