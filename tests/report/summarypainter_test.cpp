// The summary drawn with a QPainter onto images, checked pixel by pixel.
#include "summarypainter.h"

#include "mainlayout.h"
#include "qcolour.h"
#include "qrect.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(200, 200, 200);
const QColor kText(4, 4, 105);
const QColor kOrange(255, 138, 21);
const QColor kBlack(0, 0, 0);

QImage Blank(int width, int height, const QColor& colour = kWhite) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor At(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// The smallest rectangle of `area` holding every pixel that is not `background`; empty when
// there is none.
QRect Ink(const QImage& image, const QRect& area, const QColor& background = kWhite) {
    QRect ink;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (At(image, x, y) != background) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

template <typename Match> int CountIf(const QImage& image, const QRect& area, Match match) {
    int n = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            n += match(At(image, x, y)) ? 1 : 0;
        }
    }
    return n;
}

int Count(const QImage& image, const QRect& area, const QColor& colour) {
    return CountIf(image, area, [&colour](const QColor& c) { return c == colour; });
}

// Glyph pixels of the text colour on white, at least about a third covered: small glyphs are
// mostly antialiased edges.
int TextInk(const QImage& image, const QRect& area) {
    return CountIf(image, area,
                   [](const QColor& c) { return c.red() <= 170 && c.blue() - c.red() >= 30; });
}

// Dark glyph pixels, as of a black letter on orange.
int DarkInk(const QImage& image, const QRect& area) {
    return CountIf(image, area, [](const QColor& c) { return c.red() < 128; });
}

// Pixels outside every one of `allowed` that are not white.
int StrayPixels(const QImage& image, const std::vector<QRect>& allowed) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bool inside = false;
            for (const QRect& r : allowed) {
                inside = inside || r.contains(x, y);
            }
            n += !inside && At(image, x, y) != kWhite ? 1 : 0;
        }
    }
    return n;
}

TEST(DrawPanelText, FillsTheCellFromTheTopLeftCornerAndReturnsTheWidth) {
    QImage image = Blank(200, 80, kGrey);
    QPainter painter(&image);
    SetSummaryTextColours(painter);
    const QFont before = painter.font();
    const int width = DrawPanelText(painter,
                                    "Heat \xBA"
                                    "F",
                                    20, 30, 16);
    EXPECT_EQ(painter.font(), before);
    painter.end();

    const QFont font = CreatePanelFont(QStringLiteral("Arial"), 0, 16, 400, 1);
    EXPECT_EQ(width, QFontMetrics(font).horizontalAdvance(QString::fromUtf8("Heat \u00BAF")));
    // The opaque cell covers exactly (20, 30, width, 16); the glyphs are inside it.
    EXPECT_EQ(Ink(image, image.rect(), kGrey), QRect(20, 30, width, 16));
    EXPECT_GT(
        CountIf(image, QRect(20, 30, width, 16), [](const QColor& c) { return c.red() < 128; }),
        10);
}

TEST(DrawPanelText, TransparentBackgroundLeavesTheCellAlone) {
    QImage image = Blank(200, 80, kGrey);
    QPainter painter(&image);
    painter.setPen(kText);
    painter.setBackground(kWhite);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int width = DrawPanelText(painter, "Heat", 20, 30, 16);
    painter.end();
    EXPECT_EQ(Count(image, image.rect(), kWhite), 0);
    EXPECT_TRUE(QRect(20, 30, width, 16).contains(Ink(image, image.rect(), kGrey)));
}

TEST(DrawMarker, OrangeDiscOfTheDiameterWithItsLetter) {
    QImage image = Blank(100, 100);
    QPainter painter(&image);
    SetSummaryTextColours(painter);
    painter.setPen(kBlack);
    const QBrush brush = painter.brush();
    DrawMarker(painter, 50, 50, 20, 0);
    // The letter's text background stays orange; the brush is the one from before.
    EXPECT_EQ(painter.background().color(), kOrange);
    EXPECT_EQ(painter.brush(), brush);
    painter.end();

    // The circle covers the 20 x 20 pixels from (40, 40): the outline is black on its edges.
    EXPECT_EQ(Ink(image, image.rect()), QRect(40, 40, 20, 20));
    EXPECT_EQ(At(image, 40, 50), kBlack);
    EXPECT_EQ(At(image, 59, 50), kBlack);
    EXPECT_EQ(At(image, 50, 40), kBlack);
    EXPECT_EQ(At(image, 50, 59), kBlack);
    EXPECT_EQ(At(image, 44, 50), kOrange);
    EXPECT_EQ(At(image, 50, 42), kOrange);
    EXPECT_GT(Count(image, QRect(40, 40, 20, 20), kOrange), 150);
    // The "A" is black, in its cell from (47, 43), 14 high.
    EXPECT_GT(DarkInk(image, QRect(47, 43, 10, 14)), 10);
    EXPECT_EQ(DarkInk(image, QRect(42, 46, 4, 8)), 0);
}

struct InkSplit {
    QRect base;
    QRect script;
};

// Draws `text` left-aligned in `box` and splits the ink at the base part's width.
InkSplit DrawAndSplit(const std::string& text, int baseWidth) {
    QImage image = Blank(200, 80);
    QPainter painter(&image);
    painter.setPen(kText);
    const QRect box(10, 10, 150, 40);
    DrawRichText(painter, text, box, RichTextLeft);
    painter.end();
    return {Ink(image, QRect(box.x(), 0, baseWidth, 80)),
            Ink(image, QRect(box.x() + baseWidth, 0, 100, 80))};
}

TEST(DrawRichText, LowersAndRaisesTheScriptCharacterInTheSmallFont) {
    const QFont base = CreatePanelFont(QStringLiteral("Arial"), 0, 16, 400, 1);
    const int widthN = QFontMetrics(base).horizontalAdvance(QStringLiteral("N"));
    const int widthM = QFontMetrics(base).horizontalAdvance(QStringLiteral("m"));
    const InkSplit lowered = DrawAndSplit("N_2", widthN);
    const InkSplit plain = DrawAndSplit("N2", widthN);
    const InkSplit raised = DrawAndSplit("m^3", widthM);
    ASSERT_FALSE(lowered.script.isEmpty());
    ASSERT_FALSE(raised.script.isEmpty());

    // The small 2 is shorter than the full-size one and reaches below the N's baseline.
    EXPECT_LT(lowered.script.height(), plain.script.height());
    EXPECT_GT(lowered.script.bottom(), lowered.base.bottom());
    // The raised 3 ends well above the m's baseline and starts above its top.
    EXPECT_LT(raised.script.bottom(), raised.base.bottom() - 2);
    EXPECT_LT(raised.script.top(), raised.base.top());
}

TEST(DrawRichText, ClipsToTheBoxAndRestoresThePainter) {
    QImage image = Blank(200, 80, kGrey);
    QPainter painter(&image);
    SetSummaryTextColours(painter);
    const QFont font = painter.font();
    const QRect box(20, 20, 60, 16);
    DrawRichText(painter, "Flow Rate: 0.35 CFM (N_2 at delta p 145 psi)", box, RichTextCentre);
    EXPECT_EQ(painter.font(), font);
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_EQ(painter.pen().color(), kText);
    EXPECT_EQ(painter.background().color(), kWhite);
    painter.end();

    EXPECT_TRUE(box.contains(Ink(image, image.rect(), kGrey)));
    EXPECT_GT(TextInk(image, box), 10);
}

TEST(DrawRichText, RightAlignedEndsAtTheBoxesRightEdge) {
    QImage image = Blank(200, 60);
    QPainter painter(&image);
    painter.setPen(kText);
    const QRect box(10, 10, 180, 30);
    DrawRichText(painter, "m^3", box, RichTextRight);
    painter.end();
    const QRect ink = Ink(image, image.rect());
    EXPECT_LE(ink.right(), box.right());
    EXPECT_GE(ink.right(), box.right() - 3);
    EXPECT_GT(ink.left(), box.x() + 150);
}

SummaryState StateFor(int clientWidth, int clientHeight) {
    SummaryState state;
    state.szProductName = "Velnor";
    state.szVersion = "1.0 Beta";
    state.szDbVersion = "0.0.7";
    const int nRightMargin = MainLayout::RightMargin(clientWidth);
    state.nPanelLeft = MainLayout::PanelLeft(clientWidth, nRightMargin);
    state.nDiagramX = MainLayout::kDiagramX;
    state.nDiagramY = MainLayout::kDiagramY;
    state.dDiagramScale =
        MainLayout::FitDiagram(1401, 1926, clientWidth, clientHeight, nRightMargin).dScale;
    state.dN2Flow = 10.0;
    return state;
}

QImage DrawnSummary(int width, int height, const SummaryState& state) {
    QImage image = Blank(width, height);
    QPainter painter(&image);
    SetSummaryTextColours(painter);
    DrawSummary(painter, state);
    return image;
}

QRect Square(const MarkerPlacement& m) {
    return QRect(m.cx - 10, m.cy - 10, 20, 20);
}

class SummaryPicture : public ::testing::TestWithParam<QSize> {};

TEST_P(SummaryPicture, TextsAndMarkersWhereTheyBelong) {
    const int W = GetParam().width();
    const int H = GetParam().height();
    const SummaryState state = StateFor(W, H);
    const int P = state.nPanelLeft;
    const QImage image = DrawnSummary(W, H, state);
    const SummaryPlan plan = PlanSummary(state, 0);

    // Orange discs with black outlines beside the rows and on the diagram.
    std::vector<QRect> allowed;
    for (const auto& markers : {plan.rowMarkers, plan.diagramMarkers}) {
        for (const MarkerPlacement& m : markers) {
            SCOPED_TRACE(::testing::Message()
                         << "marker " << m.nIndex << " at " << m.cx << ", " << m.cy);
            EXPECT_EQ(At(image, m.cx - 6, m.cy), kOrange);
            EXPECT_EQ(At(image, m.cx, m.cy - 8), kOrange);
            EXPECT_EQ(At(image, m.cx - 10, m.cy), kBlack);
            EXPECT_GT(DarkInk(image, Square(m)), 60); // outline and letter
            allowed.push_back(Square(m));
        }
    }

    // The header and the panel texts in the text colour.
    const QRect header(10, 10, W - 10, 32);
    const QRect panel(P, 74, 330, 443);
    EXPECT_GT(Count(image, header, kText), 50);
    EXPECT_GT(TextInk(image, QRect(P, 74, 330, 20)), 50);      // "Input Data"
    EXPECT_GT(TextInk(image, QRect(P, 255, 330, 17)), 50);     // the recommendation title
    EXPECT_GT(TextInk(image, QRect(P + 6, 272, 294, 21)), 50); // the flow line
    EXPECT_GT(TextInk(image, QRect(P + 6, 505, 300, 12)), 50); // the hint
    for (int i = 0; i < 5; ++i) {
        EXPECT_GT(TextInk(image, QRect(P + 40, 100 + 25 * i, 180, 16)), 30) << "row " << i;
    }
    // Units: none on the refrigerant row, one on each of the others.
    EXPECT_TRUE(Ink(image, QRect(P + 280, 100, 50, 16)).isEmpty());
    for (int i = 1; i < 5; ++i) {
        EXPECT_GT(TextInk(image, QRect(P + 280, 100 + 25 * i, 50, 16)), 8) << "row " << i;
    }

    // Nothing anywhere else; below the recommendation title only the flow line's box.
    allowed.push_back(header);
    allowed.push_back(panel);
    EXPECT_EQ(StrayPixels(image, allowed), 0);
    const QRect belowTitle(P, 275, 330, 505 - 275);
    const QRect flowBox(P + 6, 272, 294, 21);
    EXPECT_TRUE(flowBox.contains(Ink(image, belowTitle)));
}

INSTANTIATE_TEST_SUITE_P(ClientSizes, SummaryPicture,
                         ::testing::Values(QSize(800, 600), QSize(1500, 900)), [](const auto& row) {
                             return std::to_string(row.param.width()) + "x" +
                                    std::to_string(row.param.height());
                         });

TEST(DrawSummary, EmptyProductNameStartsTheHeaderAtTheMark) {
    SummaryState state = StateFor(800, 600);
    state.szProductName.clear();
    const QImage image = DrawnSummary(800, 600, state);
    EXPECT_TRUE(Ink(image, QRect(0, 0, 15, 58)).isEmpty());
    const QRect mark = Ink(image, QRect(0, 0, 70, 58)); // "TM" from x = 15
    EXPECT_GE(mark.left(), 15);
    EXPECT_LE(mark.left(), 17);
    EXPECT_GE(Ink(image, QRect(60, 0, 80, 58)).left(), 70); // "Version" from x = 70
}

// The whole client area as the main window paints it, frames included, kept beside the tests
// for people to look at.
TEST(DrawSummary, SavesAPictureOfTheWindow) {
    const int W = 1500;
    const int H = 900;
    const SummaryState state = StateFor(W, H);
    QImage image = Blank(W, H);
    QPainter painter(&image);
    for (const MainLayout::Frame& frame : MainLayout::Frames(W, H, MainLayout::RightMargin(W))) {
        for (const MainLayout::FrameEdge& edge : MainLayout::FrameEdges(frame))
            painter.fillRect(ToQRect(edge.rect), ToQColor(edge.colour));
    }
    const MainLayout::DiagramFit fit =
        MainLayout::FitDiagram(1401, 1926, W, H, MainLayout::RightMargin(W));
    painter.setPen(QColor(167, 188, 207));
    painter.drawRect(ToQRect(fit.rect).adjusted(0, 0, -1, -1));
    SetSummaryTextColours(painter);
    DrawSummary(painter, state);
    painter.end();
    const QString path =
        QCoreApplication::applicationDirPath() + QStringLiteral("/summary_1500x900.png");
    EXPECT_TRUE(image.save(path));
}

} // namespace
