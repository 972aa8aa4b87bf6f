#pragma once

#include "skinscrollbar.h"

// The bar along the right edge of the results list.
class CSkinVerticleScrollbar : public SkinScrollBar {
    Q_OBJECT
public:
    explicit CSkinVerticleScrollbar(QWidget* parent)
        : SkinScrollBar(ScrollBarKind::Vertical, parent) {}
};
