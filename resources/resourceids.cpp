#include "resourceids.h"

namespace {

struct SizeRow {
    int id;
    ResourceSize size;
};

constexpr SizeRow kSizes[] = {
    {ResourceId::kIcon, {kStandardIconSize, kStandardIconSize}},
    {ResourceId::kCircuit, {1401, 1926}},
    {ResourceId::kLogo, {125, 49}},
    {ResourceId::kComboMiddle, {15, 24}},
    {ResourceId::kComboLeft, {2, 24}},
    {ResourceId::kComboButton, {20, 24}},
    {ResourceId::kComboButtonDropped, {20, 24}},
    {ResourceId::kHeaderStrip, {1, 20}},
    {ResourceId::kHeaderLeft, {2, 20}},
    {ResourceId::kHeaderRight, {2, 20}},
    {ResourceId::kHScrollThumb, {26, 12}},
    {ResourceId::kHScrollRight, {26, 12}},
    {ResourceId::kHScrollTrack, {1, 12}},
    {ResourceId::kHScrollLeft, {26, 12}},
    {ResourceId::kScrollCorner, {12, 12}},
    {ResourceId::kVScrollUp, {12, 26}},
    {ResourceId::kVScrollTrack, {12, 1}},
    {ResourceId::kVScrollThumb, {12, 26}},
    {ResourceId::kVScrollDown, {12, 26}},
    {ResourceId::kVScrollTop, {12, 11}},
    {ResourceId::kVScrollBottom, {11, 11}},
};

} // namespace

ResourceSize BitmapResourceSize(int id) {
    for (const SizeRow& row : kSizes) {
        if (row.id == id) {
            return row.size;
        }
    }
    return {};
}

bool IsVectorResource(int id) {
    return id == ResourceId::kIcon || id == ResourceId::kCircuit || id == ResourceId::kLogo;
}
