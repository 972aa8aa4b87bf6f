// The gallery window built offscreen under the en_US locale and tried as a user would: typing,
// Delete, paste and focus loss in each field, checked by the text it shows.
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

namespace {

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

    template <class W> W* Find(const char* name) {
        for (W* widget : m_window.findChildren<W*>())
            if (widget->accessibleName() == QLatin1String(name))
                return widget;
        ADD_FAILURE() << "no widget named " << name;
        return nullptr;
    }

    // Types `keys` into the field named `name`, then leaves it with Tab; returns its text.
    QString TypeAndLeave(const char* name, const char* keys) {
        QLineEdit* field = Find<QLineEdit>(name);
        field->setFocus();
        QTest::keyClicks(field, QLatin1String(keys));
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_FALSE(field->hasFocus()) << name;
        return field->text();
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

// Not a check: the picture of the window with its fields filled in, for a look by eye.
TEST_F(GalleryTest, GrabsThePicture) {
    TypeAndLeave("CMaskEdit", "5551234567");
    TypeAndLeave("CMoneyEdit", "1234567.5");
    TypeAndLeave("CDateEdit", "04052007");
    TypeAndLeave("CTimeEdit", "0130p");
    EXPECT_TRUE(m_window.grab().save(QDir::current().filePath(QStringLiteral("fieldgallery.png"))));
}

} // namespace
