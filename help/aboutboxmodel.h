#pragma once

#include "dialogunits.h"
#include "texts.h"

#include <string>

struct ProductIdentity;

// The about box's template (dialog units) and texts (Windows-1252).
struct AboutBoxModel {
    static constexpr int kWidth = 235;
    static constexpr int kHeight = 60;
    static constexpr int kNoId = DialogItem::kNoId;
    static constexpr DialogItem kIconItem{kNoId, Rect::FromSize(11, 17, 20, 20)};
    static constexpr DialogItem kProductItem{1024, Rect::FromSize(42, 6, 119, 8)};
    static constexpr DialogItem kMakerItem{kNoId, Rect::FromSize(42, 18, 186, 8)};
    static constexpr DialogItem kCreditsItem{kNoId, Rect::FromSize(42, 36, 119, 8)};
    static constexpr DialogItem kCredits2Item{kNoId, Rect::FromSize(42, 48, 119, 8)};
    static constexpr DialogItem kOkItem{1, Rect::FromSize(168, 36, 50, 16)};
    // The icon is drawn at its own size, as an icon control sizes itself to its icon.
    static constexpr int kIconPixels = 32;

    static constexpr const char* kTitle = VELNOR_TRANSLATE_NOOP("About", "About");
    static constexpr const char* kMakerLine = "Copyright \xA9 Kestrin. All rights reserved.";
    static constexpr const char* kCredits =
        VELNOR_TRANSLATE_NOOP("About", "Sizing method and data by the");
    static constexpr const char* kCredits2 =
        VELNOR_TRANSLATE_NOOP("About", "Kestrin application engineers.");

    // "<product name> v<version>", taken as they are: an ampersand is an ampersand.
    static std::string ProductLine(const ProductIdentity& identity);
};
