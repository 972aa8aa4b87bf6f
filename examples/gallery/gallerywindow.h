#pragma once

#include <QWidget>

class Messages;

// One window with one field of each type of the validating field family under the user's
// locale, each named for assistive tools by its class name, with a label beside it. The
// multi-format field takes its pattern from a list (named "Pattern"). The whole-number field
// accepts 0 to 500000 and says so on focus loss. Every field's beeps and messages go to
// `messages`, which must outlive the window.
class GalleryWindow : public QWidget {
public:
    explicit GalleryWindow(Messages& messages, QWidget* parent = nullptr);
};
