#pragma once

#include "skinscrollbar.h"

// The bar along the bottom edge of the results list.
class CSkinHorizontalScrollbar : public SkinScrollBar {
    Q_OBJECT
public:
    explicit CSkinHorizontalScrollbar(QWidget* parent)
        : SkinScrollBar(ScrollBarKind::Horizontal, parent) {}
};
