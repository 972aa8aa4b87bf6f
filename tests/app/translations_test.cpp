// The main window in each shipped language: the translation loads from the build's
// translations folder, the window's texts are no longer English, they fit the room the window
// gives them, and numbers carry the language's decimal point. Each run leaves a picture,
// velnor-window-LANGUAGE.png, in bin/.
#include "aboutbox.h"
#include "bitmaps.h"
#include "controlids.h"
#include "database.h"
#include "graingenerator.h"
#include "helpdlg.h"
#include "identity.h"
#include "memorysettingsstore.h"
#include "panelfont.h"
#include "printreport.h"
#include "qcp1252.h"
#include "qtranslate.h"
#include "recordingmessages.h"
#include "settingsdlg.h"
#include "skinlistctrl.h"
#include "summarylayout.h"
#include "velnordlg.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kFirstInputReading = 4; // the refrigerant row; the four inputs follow

QFont Arial(int cellHeight) {
    return CreatePanelFont(QStringLiteral("Arial"), 0, cellHeight, 400, 1);
}

TEST(Translations, EnglishAndTheCLocaleLoadNothing) {
    for (const QStringList& languages :
         {QStringList{QStringLiteral("en-US"), QStringLiteral("de-DE")},
          QStringList{QStringLiteral("C")}, QStringList{QStringLiteral("ja-JP")}}) {
        const Translations none(languages);
        EXPECT_TRUE(none.Language().isEmpty()) << languages.join(u',').toStdString();
        EXPECT_EQ(Translate("Window", "Settings"), QStringLiteral("Settings"));
    }
}

class TranslatedWindow : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslatedWindow, ShowsNoEnglishAndFits) {
    const QString language = QString::fromLatin1(GetParam());
    const QLocale locale(language);
    const QLocale before;
    QLocale::setDefault(locale); // the numeric fields read the default locale
    const Translations translations(locale.uiLanguages(), locale);
    ASSERT_EQ(translations.Language(), language);

    UnitSettings units;
    ProductIdentity identity;
    GrainGenerator grain;
    const TextLocale& texts = translations.Texts();
    MemorySettingsStore store;
    RecordingMessages messages;
    CVelnorDlg dlg(units, identity, grain, texts, &store, &messages);
    ASSERT_TRUE(dlg.Start());
    dlg.show();
    dlg.grab().save(QStringLiteral("velnor-window-%1.png").arg(language));

    // The buttons: translated, and the text within the button.
    const QFont buttonFont = Arial(16);
    for (const auto& [id, english] :
         {std::pair{MainControlId::kSettings, "Settings"},
          std::pair{MainControlId::kPrint, "Print"}, std::pair{MainControlId::kHelp, "Help"}}) {
        const auto* button = qobject_cast<QPushButton*>(dlg.Control(id));
        ASSERT_NE(button, nullptr);
        EXPECT_NE(button->text(), QLatin1String(english));
        EXPECT_LT(QFontMetrics(buttonFont).horizontalAdvance(button->text()), button->width() - 4)
            << button->text().toStdString();
    }
    // The five input labels, as painted and as a screen reader names the controls: translated,
    // and each ends before its control (the picker, a field) begins.
    SummaryState state;
    state.texts = texts;
    const SummaryPlan plan = PlanSummary(state, 0);
    const QFontMetrics labels(Arial(16));
    const auto readings = dlg.PanelReadings();
    for (int row = 0; row < 5; ++row) {
        const QString label = FromCp1252(InputLabel(plan, row));
        const QWidget* control = dlg.LabelledControl(row);
        EXPECT_EQ(control->accessibleName(), label);
        const int left = readings[kFirstInputReading + static_cast<std::size_t>(row)].rect.left();
        EXPECT_LT(left + labels.horizontalAdvance(label), control->x() - 2)
            << label.toStdString() << " " << control->x() - left;
    }
    EXPECT_NE(InputLabel(plan, 2), "Evaporating temperature");

    // Fields, results and flow line write numbers alike: 375.33 Btu/hr in the field, a diameter of
    // the list, the flow.
    const QString point = locale.decimalPoint();
    ASSERT_NE(point, QStringLiteral("."));
    EXPECT_TRUE(dlg.Field(MainControlId::kHeatLoad)->text().contains(point))
        << dlg.Field(MainControlId::kHeatLoad)->text().toStdString();
    const auto* results = static_cast<CSkinListCtrl*>(dlg.Control(MainControlId::kResults));
    EXPECT_TRUE(results->GetItemText(0, 1).contains(point));
    const QString flow = dlg.PanelReadings()[kFlowLineReading].text;
    EXPECT_TRUE(flow.contains(point)) << flow.toStdString();
    // The printed report, for people to look at.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("velnor-report-%1.pdf").arg(language));
    PrintReportOn(printer, dlg.Model().ReportLines(), "Velnor v1.0");
    QLocale::setDefault(before);
}

// Every label, button and group title of a dialog has the room its text needs.
void ExpectTextsFit(QWidget& dialog, const QString& name) {
    dialog.show();
    dialog.grab().save(name);
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << name.toStdString() << ": " << label->text().toStdString();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        EXPECT_LE(button->sizeHint().width(), button->width())
            << name.toStdString() << ": " << button->text().toStdString();
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()), group->width() - 16)
            << name.toStdString() << ": " << group->title().toStdString();
    }
}

TEST_P(TranslatedWindow, DialogsFitTheirTexts) {
    const QString language = QString::fromLatin1(GetParam());
    const Translations translations(QLocale(language).uiLanguages());
    ASSERT_EQ(translations.Language(), language);
    UnitSettings units;
    MemorySettingsStore store;
    CSettingsDlg settings(units, store);
    ExpectTextsFit(settings, QStringLiteral("velnor-settings-%1.png").arg(language));
    const ProductIdentity identity;
    CAboutBox about(identity);
    ExpectTextsFit(about, QStringLiteral("velnor-about-%1.png").arg(language));
    const HelpText text{};
    CHelpDlg help(text);
    ExpectTextsFit(help, QStringLiteral("velnor-help-%1.png").arg(language));
}

// The circuit's labels are replaced in the drawing: the translated picture differs.
TEST_P(TranslatedWindow, CircuitLabelsChange) {
    const QSize size(350, 480);
    const QImage english = RenderCircuit(size);
    const Translations translations(QLocale(QString::fromLatin1(GetParam())).uiLanguages());
    EXPECT_NE(RenderCircuit(size), english);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindow,
                         ::testing::Values("de", "es", "fr", "it", "pt_BR"));

} // namespace
