// One window with one field of each type of the validating field family under the user's
// locale, each named for assistive tools by its class name, with a label beside it. The
// multi-format field takes its pattern from a list.
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

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

#include <array>
#include <memory>

namespace {

// Puts `edit` on a new line field named `name` and adds it with `label` to `form`.
QtLineField* AddField(QFormLayout& form, const char* label, const char* name,
                      std::unique_ptr<CValidEdit> edit, QWidget* beside = nullptr) {
    auto* field = new QtLineField;
    field->setAccessibleName(QString::fromLatin1(name));
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

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallQtNumberLocale();
    InstallQtFieldLocale();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Field gallery"));
    auto* form = new QFormLayout(&window);
    AddField(*form, "Phone (mask)", "CMaskEdit", std::make_unique<CMaskEdit>("(###) ###-####"));
    AddField(*form, "Whole number", "CWholeNumberEdit", std::make_unique<CWholeNumberEdit>(6));
    AddField(*form, "Money", "CMoneyEdit", std::make_unique<CMoneyEdit>());
    AddField(*form, "Date", "CDateEdit", std::make_unique<CDateEdit>());
    AddField(*form, "Time", "CTimeEdit", std::make_unique<CTimeEdit>());
    AddField(*form, "Date and time", "CDateTimeEdit", std::make_unique<CDateTimeEdit>());

    static constexpr std::array kPatterns{"##/##/#### ##:##", "##:##:##", "$#,###.##",
                                          "(###) ###-####", "ABCDEFGH"};
    auto* patterns = new QComboBox;
    patterns->setAccessibleName(QStringLiteral("Pattern"));
    for (const char* pattern : kPatterns)
        patterns->addItem(QString::fromLatin1(pattern));
    auto multi = std::make_unique<CMultiFormatEdit>(kPatterns[0]);
    CMultiFormatEdit* multiFormat = multi.get();
    QtLineField* field =
        AddField(*form, "Multi-format", "CMultiFormatEdit", std::move(multi), patterns);
    QObject::connect(patterns, &QComboBox::currentIndexChanged, field, [=](int index) {
        multiFormat->SetMask(kPatterns[static_cast<std::size_t>(index)]);
    });

    window.show();
    return QApplication::exec();
}
