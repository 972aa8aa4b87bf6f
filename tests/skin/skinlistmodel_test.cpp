// The results list without a window: rows, selection, colours, what a click hits, scrolling
// and how the header is put together.
#include "resourceids.h"
#include "skinlistmodel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

constexpr unsigned kSel = SkinListModel::kStateSelected;

// The main window's list: 308 pixels wide, two half-width columns, rows of 20 pixels.
SkinListModel ResultsList(int nRows) {
    SkinListModel model;
    model.InsertColumn(0, u"Length", 154);
    model.InsertColumn(1, u"Inner Diameter", 154);
    model.SetExtendedStyle(SkinListModel::kStyleGridLines | SkinListModel::kStyleFullRowSelect);
    model.SetRowHeight(20);
    for (int i = 0; i < nRows; ++i) {
        const int nRow = model.InsertItem(i, u"L" + std::u16string(1, char16_t(u'0' + i)));
        model.SetItemText(nRow, 0, u"L" + std::u16string(1, char16_t(u'0' + i)));
        model.SetItemText(nRow, 1, u"D" + std::u16string(1, char16_t(u'0' + i)));
    }
    return model;
}

TEST(SkinListModel, FixedColoursAsStored) {
    EXPECT_EQ(SkinListModel::kSelectedBack, 0x4DBE2Cu);
    EXPECT_EQ(SkinListModel::kNormalBack, 0xFBF6F2u);
    EXPECT_EQ(SkinListModel::kSelectedText, 0u);
    EXPECT_EQ(SkinListModel::kNormalText, 0u);
}

TEST(SkinListModel, RowsInsertTextsAndBounds) {
    SkinListModel model = ResultsList(3);
    EXPECT_EQ(model.GetItemCount(), 3);
    EXPECT_EQ(model.GetItemText(2, 1), u"D2");
    // Past the end appends; negative fails; an existing index pushes the rows down.
    EXPECT_EQ(model.InsertItem(99, u"end"), 3);
    EXPECT_EQ(model.InsertItem(-1, u"no"), -1);
    EXPECT_EQ(model.InsertItem(0, u"first"), 0);
    EXPECT_EQ(model.GetItemText(1, 0), u"L0");
    EXPECT_EQ(model.GetItemText(0, 1), u"");
    // Column 2 does not exist, nor does row 5.
    EXPECT_FALSE(model.SetItemText(0, 2, u"x"));
    EXPECT_FALSE(model.SetItemText(5, 0, u"x"));
    EXPECT_FALSE(model.SetItemText(-1, 0, u"x"));
    EXPECT_EQ(model.GetItemText(5, 0), u"");
    EXPECT_EQ(model.GetItemText(0, -1), u"");
    model.DeleteAllItems();
    EXPECT_EQ(model.GetItemCount(), 0);
    EXPECT_EQ(model.GetSelectedRow(), -1);
}

TEST(SkinListModel, SelectionStatePerRow) {
    SkinListModel model = ResultsList(9);
    EXPECT_EQ(model.GetSelectedRow(), -1);
    EXPECT_TRUE(model.SetItemState(4, kSel, kSel));
    EXPECT_EQ(model.GetItemState(4, kSel), kSel);
    EXPECT_EQ(model.GetItemState(4, 0), 0u);
    EXPECT_EQ(model.GetSelectedRow(), 4);
    // A mask without the selected bit changes nothing.
    EXPECT_TRUE(model.SetItemState(4, 0, 0x0001));
    EXPECT_EQ(model.GetSelectedRow(), 4);
    // Selecting another row by state adds to the selection; SelectRow keeps one.
    model.SetItemState(6, kSel, kSel);
    EXPECT_EQ(model.GetItemState(4, kSel), kSel);
    model.SelectRow(6);
    EXPECT_EQ(model.GetItemState(4, kSel), 0u);
    EXPECT_EQ(model.GetSelectedRow(), 6);
    // A row inserted above moves the selected row down with its texts.
    model.InsertItem(0, u"new");
    EXPECT_EQ(model.GetSelectedRow(), 7);
    EXPECT_EQ(model.GetItemText(7, 0), u"L6");
    // Row -1 addresses every row.
    model.SetItemState(-1, kSel, kSel);
    EXPECT_EQ(model.GetItemState(0, kSel), kSel);
    EXPECT_EQ(model.GetItemState(9, kSel), kSel);
    model.SetItemState(-1, 0, kSel);
    EXPECT_EQ(model.GetSelectedRow(), -1);
    EXPECT_FALSE(model.SetItemState(10, kSel, kSel));
    model.SelectRow(99);
    EXPECT_EQ(model.GetSelectedRow(), -1);
}

TEST(SkinListModel, CellColours) {
    SkinListModel model = ResultsList(9);
    model.SelectRow(4);
    for (int nColumn : {0, 1}) {
        EXPECT_EQ(model.CellColors(4, nColumn).back, SkinListModel::kSelectedBack);
        EXPECT_EQ(model.CellColors(4, nColumn).text, SkinListModel::kSelectedText);
        EXPECT_EQ(model.CellColors(3, nColumn).back, SkinListModel::kNormalBack);
        EXPECT_EQ(model.CellColors(3, nColumn).text, SkinListModel::kNormalText);
    }
    // Without full-row select only the first column shows the selection.
    model.SetExtendedStyle(SkinListModel::kStyleGridLines);
    EXPECT_EQ(model.CellColors(4, 0).back, SkinListModel::kSelectedBack);
    EXPECT_EQ(model.CellColors(4, 1).back, SkinListModel::kNormalBack);
}

TEST(SkinListModel, RowAndCellGeometry) {
    SkinListModel model = ResultsList(9);
    EXPECT_EQ(model.RowRect(0), (Rect{0, 20, 308, 40}));
    EXPECT_EQ(model.RowRect(8), (Rect{0, 180, 308, 200}));
    EXPECT_EQ(model.CellRect(4, 1), (Rect{154, 100, 308, 120}));
    EXPECT_EQ(model.CellTextRect(4, 0), (Rect{6, 100, 148, 120}));
    EXPECT_EQ(model.CellRect(4, 2), Rect{});
    // Nine rows of 20 under a 20-pixel header fit the main window's 201 pixels whole.
    EXPECT_EQ(model.GetFullyVisibleRows(201), 9);
}

struct HitCase {
    const char* name;
    int x;
    int y;
    int nRow;
};

TEST(SkinListModel, HitTest) {
    const SkinListModel model = ResultsList(9);
    const HitCase cases[] = {
        {"header", 10, 19, -1},
        {"first row top", 10, 20, 0},
        {"first row, second column", 300, 39, 0},
        {"row 4", 100, 110, 4},
        {"last row bottom", 10, 199, 8},
        {"below the rows", 10, 200, -1},
        {"right of the columns", 308, 110, -1},
        {"left of the list", -1, 110, -1},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(model.HitTest(c.x, c.y), c.nRow) << c.name;

    SkinListModel narrow = ResultsList(9);
    narrow.SetExtendedStyle(0);
    EXPECT_EQ(narrow.HitTest(100, 110), 4);
    EXPECT_EQ(narrow.HitTest(200, 110), -1) << "second column without full-row select";
}

TEST(SkinListModel, CellUnderAPointAndWhetherItsTextFits) {
    SkinListModel model = ResultsList(9);
    model.SetExtendedStyle(0); // a cell is found in any column, whatever the selection style
    EXPECT_EQ(model.CellAt(153, 110), (SkinCell{4, 0}));
    EXPECT_EQ(model.CellAt(154, 110), (SkinCell{4, 1}));
    for (auto [x, y] : {std::pair{10, 19}, {308, 110}, {-1, 110}, {10, 200}})
        EXPECT_EQ(model.CellAt(x, y), SkinCell{}) << x << ", " << y;
    model.Scroll(2, 100);
    EXPECT_EQ(model.CellAt(10, 25).nRow, 2);

    // A text fits when it is no wider than the cell less its two margins.
    const int nRoom = 154 - 2 * SkinListModel::kCellMargin;
    EXPECT_TRUE(model.TextFits(0, 1, nRoom));
    EXPECT_FALSE(model.TextFits(0, 1, nRoom + 1));
}

TEST(SkinListModel, ClickMovesOrClearsTheSelection) {
    SkinListModel model = ResultsList(9);
    model.SelectRow(4);
    EXPECT_TRUE(model.Click(200, 45)); // row 1, second column
    EXPECT_EQ(model.GetSelectedRow(), 1);
    EXPECT_EQ(model.GetItemState(4, kSel), 0u);
    EXPECT_FALSE(model.Click(10, 45)) << "the same row again";
    EXPECT_FALSE(model.Click(10, 5)) << "a click on the header changes nothing";
    EXPECT_EQ(model.GetSelectedRow(), 1);
    model.SelectRow(2);
    EXPECT_TRUE(model.Click(10, 200)) << "empty area below the rows";
    EXPECT_EQ(model.GetSelectedRow(), -1);
}

TEST(SkinListModel, KeysMoveTheSelectionAndShowIt) {
    SkinListModel model = ResultsList(9);
    model.SetRowHeight(23); // 7 rows fit
    EXPECT_TRUE(model.MoveSelection(1, 201)) << "nothing selected: Down selects the first row";
    EXPECT_EQ(model.GetSelectedRow(), 0);
    EXPECT_FALSE(model.MoveSelection(-1, 201)) << "already at the first row";
    EXPECT_TRUE(model.MoveSelection(7, 201));
    EXPECT_EQ(model.GetSelectedRow(), 7);
    EXPECT_EQ(model.GetTopRow(), 1) << "scrolled so that the row shows whole";
    EXPECT_TRUE(model.MoveSelection(-9, 201)); // Home
    EXPECT_EQ(model.GetSelectedRow(), 0);
    EXPECT_EQ(model.GetTopRow(), 0);
    model.SelectRow(-1);
    EXPECT_TRUE(model.MoveSelection(-1, 201)) << "nothing selected: Up selects the last row";
    EXPECT_EQ(model.GetSelectedRow(), 8);
    EXPECT_EQ(model.GetItemState(0, kSel), 0u);
}

TEST(SkinListModel, ScrollingKeepsTheLastRowWhole) {
    SkinListModel model = ResultsList(9);
    // 9 rows fit: nothing to scroll.
    EXPECT_FALSE(model.Scroll(3, 201));
    EXPECT_EQ(model.GetTopRow(), 0);
    // At 23 pixels a row only 7 fit; the top row goes at most to 2.
    model.SetRowHeight(23);
    EXPECT_EQ(model.GetFullyVisibleRows(201), 7);
    EXPECT_TRUE(model.Scroll(3, 201));
    EXPECT_EQ(model.GetTopRow(), 2);
    EXPECT_EQ(model.RowRect(2).top, 20);
    EXPECT_EQ(model.HitTest(10, 25), 2);
    EXPECT_TRUE(model.Scroll(-5, 201));
    EXPECT_EQ(model.GetTopRow(), 0);
    model.Scroll(2, 201);
    model.DeleteAllItems();
    EXPECT_EQ(model.GetTopRow(), 0) << "a refill starts at the top";
    // A list too low for one row still shows one.
    EXPECT_EQ(model.GetFullyVisibleRows(25), 1);
    EXPECT_EQ(model.GetFullyVisibleRows(0), 1);
}

TEST(SkinListModel, ScrollRequestsOfTheBars) {
    // 308 pixels of columns in a list 200 wide and 101 high: 108 pixels and 5 rows to scroll.
    SkinListModel model = ResultsList(9);
    constexpr auto H = ScrollBarKind::Horizontal;
    constexpr auto V = ScrollBarKind::Vertical;
    EXPECT_EQ(model.GetScrollLimitX(200), 108);
    EXPECT_EQ(model.GetScrollLimitX(400), 0);
    EXPECT_EQ(model.GetScrollLimitY(101), 5);
    EXPECT_TRUE(model.OnScroll(H, ScrollRequest::LineDown, 200, 101));
    EXPECT_EQ(model.GetScrollX(), SkinListModel::kLineScrollX);
    // The columns, their header items and what a click hits move left with the scroll.
    EXPECT_EQ(model.RowRect(0).left, -SkinListModel::kLineScrollX);
    EXPECT_EQ(model.HeaderItemRect(1, 20).left, 154 - SkinListModel::kLineScrollX);
    EXPECT_EQ(model.HitTest(297, 25), 0);
    EXPECT_EQ(model.HitTest(298, 25), -1);
    EXPECT_EQ(model.GetColumnsWidth(), 308);
    EXPECT_TRUE(model.OnScroll(H, ScrollRequest::PageDown, 200, 101));
    EXPECT_EQ(model.GetScrollX(), 108) << "a page is the client width, up to the limit";
    EXPECT_FALSE(model.OnScroll(H, ScrollRequest::LineDown, 200, 101));
    model.ClampScrollX(300);
    EXPECT_EQ(model.GetScrollX(), 8) << "a wider list shows more";

    EXPECT_TRUE(model.OnScroll(V, ScrollRequest::PageDown, 200, 101));
    EXPECT_EQ(model.GetTopRow(), 4) << "a page is the rows that fit whole";
    model.OnScroll(V, ScrollRequest::LineDown, 200, 101);
    EXPECT_FALSE(model.OnScroll(V, ScrollRequest::LineDown, 200, 101));
    EXPECT_EQ(model.GetTopRow(), 5);
    model.OnScroll(V, ScrollRequest::PageUp, 200, 101);
    model.OnScroll(V, ScrollRequest::LineUp, 200, 101);
    EXPECT_EQ(model.GetTopRow(), 0);
    // The content moves by whole rows, cut towards zero.
    EXPECT_TRUE(model.ScrollContent(-8, 59, 200, 101));
    EXPECT_EQ(model.GetScrollX(), 0);
    EXPECT_EQ(model.GetTopRow(), 2);
}

TEST(SkinListModel, HeaderPiecesOfTheResultsList) {
    const SkinListModel model = ResultsList(0);
    const std::vector<HeaderPiece> expected = {
        {ResourceId::kHeaderStrip, 0, 1, 2, 308}, // the strip under everything, from x = 2
        {ResourceId::kHeaderLeft, 0, 2, 0, 2},    // first column: light left edge
        {ResourceId::kHeaderStrip, 0, 1, 2, 150},   {ResourceId::kHeaderRight, 0, 2, 152, 2},
        {ResourceId::kHeaderStrip, 0, 1, 155, 1}, // next column: one plain strip column
        {ResourceId::kHeaderStrip, 0, 1, 156, 150}, {ResourceId::kHeaderRight, 0, 2, 306, 2},
    };
    EXPECT_EQ(model.HeaderPieces(308), expected);
}

TEST(SkinListModel, HeaderOfNarrowAndNoColumns) {
    SkinListModel model;
    EXPECT_EQ(model.HeaderPieces(100).size(), 1u) << "only the strip";
    // A column of 3 pixels has no middle; its edges still go where they belong.
    model.InsertColumn(0, u"A", 3);
    const std::vector<HeaderPiece> expected = {
        {ResourceId::kHeaderStrip, 0, 1, 2, 100},
        {ResourceId::kHeaderLeft, 0, 2, 0, 2},
        {ResourceId::kHeaderRight, 0, 2, 1, 2},
    };
    EXPECT_EQ(model.HeaderPieces(100), expected);
}

TEST(SkinListModel, HeaderItemsAndTexts) {
    SkinListModel model = ResultsList(0);
    EXPECT_EQ(model.HeaderItemRect(1, 20), (Rect{154, 0, 308, 20}));
    EXPECT_EQ(model.HeaderTextRect(0, 20), (Rect{2, 2, 152, 18}));
    EXPECT_EQ(model.HeaderTextRect(1, 26), (Rect{156, 2, 306, 24}));
    EXPECT_EQ(model.HeaderItemText(1), u"Inner Diameter");
    // Inserting before column 0 moves the others right.
    EXPECT_EQ(model.InsertColumn(0, std::u16string(300, u'x'), 40), 0);
    EXPECT_EQ(model.HeaderItemText(0).size(), SkinListModel::kMaxHeaderText);
    EXPECT_EQ(model.GetColumnText(0).size(), 300u);
    EXPECT_EQ(model.HeaderItemRect(1, 20).left, 40);
    EXPECT_EQ(model.GetColumnsWidth(), 348);
    EXPECT_EQ(model.InsertColumn(-1, u"no", 10), -1);
    EXPECT_EQ(model.InsertColumn(50, u"last", -5), 3);
    EXPECT_EQ(model.GetColumnWidth(3), 0);
}

} // namespace
