#include "aboutboxmodel.h"
#include "productidentity.h"
#include "verinfo.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(AboutBoxModel, ProductLineOfTheProgramsOwnRecordAndOfTheFallback) {
    ProductIdentity own;
    LoadProductIdentity(own);
    EXPECT_EQ(AboutBoxModel::ProductLine(own), "Velnor v1.0 ") << "the version ends in a blank";

    CVersionResource none;
    none.LoadFromFile("/nonexistent/Velnor");
    ProductIdentity fallback;
    FillProductIdentity(fallback, none);
    EXPECT_EQ(AboutBoxModel::ProductLine(fallback), "Velnor v0.0");
}

TEST(AboutBoxModel, ProductLineTakesTheTextsAsTheyAre) {
    ProductIdentity identity;
    std::snprintf(identity.szProductName, sizeof identity.szProductName, "R&D %%s \x99");
    std::snprintf(identity.szVersion, sizeof identity.szVersion, "2.5 beta");
    EXPECT_EQ(AboutBoxModel::ProductLine(identity), "R&D %s \x99 v2.5 beta");
}

} // namespace
