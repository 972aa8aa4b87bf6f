#include "qreadonlytext.h"

void ReadOnlyAccessibleText::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyAccessibleText::text(int startOffset, int endOffset) const {
    return AccessibleText().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyAccessibleText::characterCount() const {
    return static_cast<int>(AccessibleText().size());
}

QString ReadOnlyAccessibleText::attributes(int offset, int* startOffset, int* endOffset) const {
    const int count = characterCount();
    *startOffset = offset < 0 || offset > count ? -1 : 0;
    *endOffset = *startOffset < 0 ? -1 : count;
    return {};
}
