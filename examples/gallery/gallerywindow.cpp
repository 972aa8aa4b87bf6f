#include "gallerywindow.h"

#include "dateedit.h"
#include "datetimeedit.h"
#include "maskedit.h"
#include "moneyedit.h"
#include "multiformatedit.h"
#include "qfieldlocale.h"
#include "qnumberlocale.h"
#include "qttextfield.h"
#include "timeedit.h"
#include "wholenumberedit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>

#include <array>
#include <memory>

namespace {

// Puts `edit` on a new line field named `name`, its messages to `messages`, and adds it with
// `label` to `form`.
QtLineField* AddField(QFormLayout& form, Messages& messages, const char* label, const char* name,
                      std::unique_ptr<CValidEdit> edit, QWidget* beside = nullptr) {
    auto* field = new QtLineField;
    field->setAccessibleName(QString::fromLatin1(name));
    field->SetMessages(messages);
    field->Adopt(std::move(edit));
    if (!beside) {
        form.addRow(QString::fromLatin1(label), field);
        return field;
    }
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(beside);
    form.addRow(QString::fromLatin1(label), row);
    return field;
}

} // namespace

GalleryWindow::GalleryWindow(Messages& messages, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Field gallery"));
    // The user's locale as the window is made; every field that depends on it is handed it.
    const FieldLocale locale = FieldLocaleOf(QLocale());
    const NumberLocale numbers = NumberLocaleOf(QLocale());
    auto* form = new QFormLayout(this);
    AddField(*form, messages, "Phone (mask)", "CMaskEdit",
             std::make_unique<CMaskEdit>("(###) ###-####"));
    auto whole = std::make_unique<CWholeNumberEdit>(6, numbers);
    whole->Rule().SetRange(0, 500000);
    whole->Rule().ChangeFlags(ClampIfOutOfRange | MessageIfOutOfRange | RefocusIfOutOfRange, 0);
    AddField(*form, messages, "Whole number (0 to 500000)", "CWholeNumberEdit", std::move(whole));
    AddField(*form, messages, "Money", "CMoneyEdit", std::make_unique<CMoneyEdit>(locale, numbers));
    AddField(*form, messages, "Date", "CDateEdit", std::make_unique<CDateEdit>(locale));
    AddField(*form, messages, "Time", "CTimeEdit", std::make_unique<CTimeEdit>(locale));
    AddField(*form, messages, "Date and time", "CDateTimeEdit",
             std::make_unique<CDateTimeEdit>(locale));

    static constexpr std::array kPatterns{"##/##/#### ##:##", "##:##:##", "$#,###.##",
                                          "(###) ###-####", "ABCDEFGH"};
    auto* patterns = new QComboBox;
    patterns->setAccessibleName(QStringLiteral("Pattern"));
    for (const char* pattern : kPatterns)
        patterns->addItem(QString::fromLatin1(pattern));
    auto multi = std::make_unique<CMultiFormatEdit>(kPatterns[0], locale, numbers);
    CMultiFormatEdit* multiFormat = multi.get();
    QtLineField* field =
        AddField(*form, messages, "Multi-format", "CMultiFormatEdit", std::move(multi), patterns);
    QObject::connect(patterns, &QComboBox::currentIndexChanged, field, [=](int index) {
        multiFormat->SetMask(kPatterns[static_cast<std::size_t>(index)]);
    });
}
