#include "aboutbox.h"
#include "aboutboxmodel.h"
#include "dialogunits.h"
#include "productidentity.h"
#include "verinfo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

QLabel* ProductLine(const CAboutBox& box) {
    return box.findChild<QLabel*>(QStringLiteral("id1024"));
}

ProductIdentity Fallback() {
    CVersionResource none;
    none.LoadFromFile("/nonexistent/Velnor");
    ProductIdentity identity;
    FillProductIdentity(identity, none);
    return identity;
}

QImage Rendered(QLabel& label) {
    QImage image(label.size(), QImage::Format_RGB32);
    label.render(&image);
    return image;
}

// `text` drawn in the label's font, colours and place, with nothing treated specially.
QImage DrawnAs(const QLabel& label, const QString& text) {
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(label.palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.drawText(label.contentsRect(), Qt::AlignLeft | Qt::AlignTop, text);
    return image;
}

TEST(CAboutBox, ShowsTheProductAndVersionOfTheRecordOrTheFallback) {
    ProductIdentity own;
    LoadProductIdentity(own);
    const struct {
        const char* name;
        ProductIdentity identity;
        QString line;
    } rows[] = {
        {"the program's own record", own, QStringLiteral("Velnor v1.0 ")},
        {"no record", Fallback(), QStringLiteral("Velnor v0.0")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CAboutBox box(row.identity);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
        ASSERT_NE(ProductLine(box), nullptr);
        EXPECT_EQ(ProductLine(box)->text(), row.line);
    }
}

TEST(CAboutBox, AnAmpersandInTheProductNameIsShownAsItself) {
    ProductIdentity identity = Fallback();
    std::snprintf(identity.szProductName, sizeof identity.szProductName, "R&D");
    CAboutBox box(identity);
    QLabel* line = ProductLine(box);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QStringLiteral("R&D v0.0"));
    EXPECT_EQ(line->textFormat(), Qt::PlainText);

    // The label draws the text as it is, not "RD v0.0" with an access key.
    const QImage shown = Rendered(*line);
    EXPECT_EQ(shown, DrawnAs(*line, line->text()));
    EXPECT_NE(shown, DrawnAs(*line, QStringLiteral("RD v0.0")));
}

TEST(CAboutBox, IsLaidOutInDialogUnitsOfItsFont) {
    CAboutBox box(Fallback());
    const QFontMetrics metrics(box.font());
    const DialogUnits du(DialogUnits::AverageCharWidth(metrics.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))),
                         metrics.height());
    EXPECT_EQ(box.size(), QSize(du.X(235), du.Y(60)));
    EXPECT_EQ(ProductLine(box)->geometry(), QRect(du.X(42), du.Y(6), du.X(119), du.Y(8)));
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("id1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), QRect(du.X(168), du.Y(36), du.X(50), du.Y(16)));

    // The program icon at its own size, where the template puts it.
    const QLabel* icon = nullptr;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            icon = label;
    }
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->geometry(), QRect(du.X(11), du.Y(17), 32, 32));
    EXPECT_EQ(icon->pixmap().deviceIndependentSize(), QSizeF(32, 32));

    // Every text fits its line.
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
    }
}

TEST(CAboutBox, OkEnterAndEscapeCloseIt) {
    const struct {
        const char* name;
        int key; // 0: click OK
        int result;
    } rows[] = {
        {"OK", 0, QDialog::Accepted},
        {"Enter", Qt::Key_Return, QDialog::Accepted},
        {"Escape", Qt::Key_Escape, QDialog::Rejected},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CAboutBox box(Fallback());
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        if (row.key == 0)
            QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("id1")), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(row.key));
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), row.result);
    }
}

TEST(CAboutBox, SaveAPicture) {
    ProductIdentity own;
    LoadProductIdentity(own);
    CAboutBox box(own);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_TRUE(
        box.grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/aboutbox.png")));
}

} // namespace
