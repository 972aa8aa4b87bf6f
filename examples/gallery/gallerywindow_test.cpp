// The gallery window built offscreen under the en_US locale (and de_DE and ja_JP where the
// currency shows) and tried as a user would: typing, Delete, paste and focus loss in each field,
// checked by the text it shows.
#include "gallerywindow.h"
#include "recordingmessages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

// The texts of failed checks as text.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

template <class W> W* FindIn(QWidget& window, const char* name) {
    for (W* widget : window.findChildren<W*>())
        if (widget->accessibleName() == QLatin1String(name))
            return widget;
    ADD_FAILURE() << "no widget named " << name;
    return nullptr;
}

// Types `keys` into the field named `name`, then leaves it with Tab; returns its text.
QString TypeAndLeave(QWidget& window, const char* name, const char* keys) {
    QLineEdit* field = FindIn<QLineEdit>(window, name);
    field->setFocus();
    QTest::keyClicks(field, QLatin1String(keys));
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_FALSE(field->hasFocus()) << name;
    return field->text();
}

// Pastes `text` over the whole text of the field named `name`; returns its text.
QString PasteOver(QWidget& window, const char* name, const QString& text) {
    QLineEdit* field = FindIn<QLineEdit>(window, name);
    field->setFocus();
    field->selectAll();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    return field->text();
}

// The windows built while it lives read `locale` (the gallery reads the default locale when it
// is made); afterwards the default locale of before.
class FieldsInLocale {
public:
    explicit FieldsInLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~FieldsInLocale() { QLocale::setDefault(m_before); }
    FieldsInLocale(const FieldsInLocale&) = delete;
    FieldsInLocale& operator=(const FieldsInLocale&) = delete;

private:
    QLocale m_before;
};

class GalleryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void SetUp() override {
        m_window.show();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    template <class W> W* Find(const char* name) { return FindIn<W>(m_window, name); }
    QString TypeAndLeave(const char* name, const char* keys) {
        return ::TypeAndLeave(m_window, name, keys);
    }
    QString PasteOver(const char* name, const QString& text) {
        return ::PasteOver(m_window, name, text);
    }

    RecordingMessages m_messages;
    GalleryWindow m_window{m_messages};
};

TEST_F(GalleryTest, EachFieldShowsWhatIsTypedInItsOwnForm) {
    EXPECT_EQ(TypeAndLeave("CMaskEdit", "5551234567"), QStringLiteral("(555) 123-4567"));
    EXPECT_EQ(TypeAndLeave("CWholeNumberEdit", "12a34"), QStringLiteral("1234"));
    EXPECT_EQ(TypeAndLeave("CMoneyEdit", "1234567.5"), QStringLiteral("$1,234,567.50"));
    EXPECT_EQ(TypeAndLeave("CDateEdit", "04052007"), QStringLiteral("04/05/2007"));
    EXPECT_EQ(TypeAndLeave("CTimeEdit", "0130p"), QStringLiteral("01:30 PM"));
    EXPECT_EQ(TypeAndLeave("CDateTimeEdit", "123120261145a"),
              QStringLiteral("12/31/2026 11:45 AM"));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(GalleryTest, DeleteEmptiesAWholeSelectedDateAndPasteIsFiltered) {
    QLineEdit* date = Find<QLineEdit>("CDateEdit");
    date->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("4.5.2007"));
    QTest::keyClick(date, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(date->text(), QStringLiteral("04/05/2007"));
    date->setCursorPosition(3);
    QTest::keyClick(date, Qt::Key_Delete);
    EXPECT_EQ(date->text(), QStringLiteral("04/05/2007"));
    date->selectAll();
    QTest::keyClick(date, Qt::Key_Delete);
    EXPECT_EQ(date->text(), QString());
}

TEST_F(GalleryTest, AWholeNumberOutOfRangeIsClampedWithOneMessage) {
    EXPECT_EQ(TypeAndLeave("CWholeNumberEdit", "999999"), QStringLiteral("500000"));
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, Messages::Icon::Exclamation);
    EXPECT_EQ(m_messages.shown[0].text, "Please specify a numeric value between 0 and 500000.");
}

TEST_F(GalleryTest, TheMultiFormatFieldFollowsTheChosenPattern) {
    // The locale's 12-hour clock: the P of PM chooses the afternoon.
    EXPECT_EQ(TypeAndLeave("CMultiFormatEdit", "040520070105p"),
              QStringLiteral("04/05/2007 01:05 PM"));
    Find<QComboBox>("Pattern")->setCurrentIndex(2); // "$#,###.##"
    QLineEdit* multi = Find<QLineEdit>("CMultiFormatEdit");
    multi->clear();
    EXPECT_EQ(TypeAndLeave("CMultiFormatEdit", "1234.5"), QStringLiteral("$1,234.5"));
    Find<QComboBox>("Pattern")->setCurrentIndex(3); // "(###) ###-####"
    multi->clear();
    EXPECT_EQ(TypeAndLeave("CMultiFormatEdit", "5551234567"), QStringLiteral("(555) 123-4567"));
}

TEST_F(GalleryTest, ATwentyFourHourTimeIsAnAfternoonHourOnTheTwelveHourClock) {
    EXPECT_EQ(PasteOver("CTimeEdit", QStringLiteral("13:05")), QStringLiteral("01:05 PM"));
    EXPECT_EQ(PasteOver("CDateTimeEdit", QStringLiteral("01/05/2020 13:05")),
              QStringLiteral("01/05/2020 01:05 PM"));
    Find<QLineEdit>("CTimeEdit")->clear();
    EXPECT_EQ(TypeAndLeave("CTimeEdit", "1305"), QStringLiteral("01:05 PM"));
}

TEST_F(GalleryTest, ADateWithAFourDigitFirstPartIsYearMonthDay) {
    EXPECT_EQ(PasteOver("CDateEdit", QStringLiteral("2024-02-29")), QStringLiteral("02/29/2024"));
    EXPECT_EQ(PasteOver("CDateEdit", QStringLiteral("2024/03/01")), QStringLiteral("03/01/2024"));
}

TEST_F(GalleryTest, ARefusedDigitBeepsAndTheNextDigitsKeepTheirPlaces) {
    QLineEdit* date = Find<QLineEdit>("CDateEdit");
    date->setText(QStringLiteral("01/01/2000"));
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Home);
    QTest::keyClicks(date, QStringLiteral("02312024")); // no 3x day in February
    EXPECT_EQ(date->text(), QStringLiteral("02/01/2024"));
    EXPECT_EQ(m_messages.nBeeps, 1);
}

TEST_F(GalleryTest, APastedAmountKeepsItsSignOrIsRefused) {
    EXPECT_EQ(PasteOver("CMoneyEdit", QStringLiteral("($50.00)")), QStringLiteral("$-50.00"));
    EXPECT_EQ(PasteOver("CMoneyEdit", QStringLiteral("1.234,56 \u20AC")),
              QStringLiteral("$-50.00"));
    EXPECT_EQ(m_messages.nBeeps, 1);
}

TEST(GalleryLocales, MoneyShowsTheLocalesSymbolOnItsSide) {
    struct Row {
        QLocale locale;
        const char* typed;
        QString shown;
        QString refused; // a paste not in the locale's format
    };
    const Row rows[] = {
        {QLocale(QLocale::German, QLocale::Germany), "-1234,5", QStringLiteral("-1.234,50 \u20AC"),
         QStringLiteral("1,234.56")},
        {QLocale(QLocale::Japanese, QLocale::Japan), "1234", QStringLiteral("\u00A51,234"),
         QStringLiteral("1234567.891")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        const FieldsInLocale fields(row.locale);
        RecordingMessages messages;
        GalleryWindow window(messages);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(TypeAndLeave(window, "CMoneyEdit", row.typed), row.shown);
        EXPECT_EQ(PasteOver(window, "CMoneyEdit", row.refused), row.shown);
        EXPECT_EQ(messages.nBeeps, 1);
    }
}

TEST_F(GalleryTest, APhoneNumberPastedWithoutTheMasksLiteralsFillsIt) {
    EXPECT_EQ(PasteOver("CMaskEdit", QStringLiteral("555-123-4567")),
              QStringLiteral("(555) 123-4567"));
    EXPECT_EQ(PasteOver("CMaskEdit", QStringLiteral("5559876543")),
              QStringLiteral("(555) 987-6543"));
}

// Not a check: the picture of the window with its fields filled in, for a look by eye.
TEST_F(GalleryTest, GrabsThePicture) {
    TypeAndLeave("CMaskEdit", "5551234567");
    TypeAndLeave("CMoneyEdit", "1234567.5");
    TypeAndLeave("CDateEdit", "04052007");
    TypeAndLeave("CTimeEdit", "0130p");
    EXPECT_TRUE(m_window.grab().save(QDir::current().filePath(QStringLiteral("fieldgallery.png"))));
}

} // namespace
