#pragma once

#include "colour.h"
#include "headerbitmaps.h"
#include "rect.h"
#include "skinscrollmodel.h"

#include <cstddef>
#include <string>
#include <vector>

enum class SkinColumnAlign { Left, Right, Center };

// One copy from a header bitmap (a ResourceId) onto the header: the bitmap's columns
// [nSourceX, nSourceX + nSourceWidth) go to [nX, nX + nWidth) at y = 0, at the full strip
// height, stretched sideways when the widths differ.
struct HeaderPiece {
    int nBitmap = 0;
    int nSourceX = 0;
    int nSourceWidth = 0;
    int nX = 0;
    int nWidth = 0;

    bool operator==(const HeaderPiece&) const = default;
};

// A cell of the list by row and column; -1, -1 when there is none.
struct SkinCell {
    int nRow = -1;
    int nColumn = -1;

    bool operator==(const SkinCell&) const = default;
};

struct SkinCellColors {
    COLORREF text = 0;
    COLORREF back = 0;
};

// Everything the results list knows, without a window: its columns, rows and selection, the
// fixed colours it draws them in, where each row, cell and header piece lies, and what a click
// does. Client coordinates start at the top of the header; the rows follow below it.
class SkinListModel {
public:
    // The list's own colours; no operation changes them.
    static constexpr COLORREF kSelectedText = RGB(0, 0, 0);
    static constexpr COLORREF kSelectedBack = RGB(44, 190, 77); // the optimal row's green
    static constexpr COLORREF kNormalText = RGB(0, 0, 0);
    static constexpr COLORREF kNormalBack = RGB(242, 246, 251);
    // The grid lines: the pale blue-grey of the main window's frames.
    static constexpr COLORREF kGridLine = RGB(217, 226, 234);
    static constexpr COLORREF kHeaderText = RGB(255, 255, 255);

    // Item state and extended style bits, with the list view's values.
    static constexpr unsigned kStateSelected = 0x0002;
    static constexpr unsigned kStyleGridLines = 0x0001;
    static constexpr unsigned kStyleFullRowSelect = 0x0020;

    static constexpr int kHeaderHeight = kHeaderStripHeight;
    static constexpr std::size_t kMaxHeaderText = 254;
    // Blank space left and right of a cell's text, in pixels.
    static constexpr int kCellMargin = 6;

    // Inserts a column before nColumn (appends when nColumn is past the end); returns its index,
    // or -1 when nColumn is negative. Negative widths count as 0.
    int InsertColumn(int nColumn, std::u16string text, int nWidth,
                     SkinColumnAlign align = SkinColumnAlign::Left);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    std::u16string GetColumnText(int nColumn) const;
    int GetColumnWidth(int nColumn) const; // 0 for a column that does not exist
    SkinColumnAlign GetColumnAlign(int nColumn) const;
    int GetColumnsWidth() const; // all columns side by side

    // Rows. InsertItem puts a row with its first text before nRow (appends when nRow is past the
    // end) and returns its index, or -1 when nRow is negative. The texts of a row are addressed
    // by column; SetItemText fails for a row that does not exist or a column beyond the columns
    // (column 0 always exists). GetItemText of anything that does not exist is empty.
    void DeleteAllItems();
    int InsertItem(int nRow, std::u16string text);
    bool SetItemText(int nRow, int nColumn, std::u16string text);
    std::u16string GetItemText(int nRow, int nColumn) const;
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }

    // Only kStateSelected is kept. nRow -1 addresses every row.
    bool SetItemState(int nRow, unsigned nState, unsigned nMask);
    unsigned GetItemState(int nRow, unsigned nMask) const;
    // Selects nRow alone; -1 (or any row that does not exist) clears the selection.
    void SelectRow(int nRow);
    int GetSelectedRow() const; // the first selected row, or -1

    void SetExtendedStyle(unsigned nStyle) { m_extendedStyle = nStyle; }
    unsigned GetExtendedStyle() const { return m_extendedStyle; }

    // Row geometry. The row height follows the list's font; the top row is the first row shown
    // under the header.
    void SetRowHeight(int nHeight) { m_rowHeight = nHeight < 1 ? 1 : nHeight; }
    int GetRowHeight() const { return m_rowHeight; }
    int GetTopRow() const { return m_topRow; }
    // Rows that fit whole below the header; at least 1.
    int GetFullyVisibleRows(int nClientHeight) const;
    // Moves the top row by nRows (positive: towards the end), kept so that the last row is
    // still shown whole where possible. Returns whether the top row changed.
    bool Scroll(int nRows, int nClientHeight);
    void ClampTopRow(int nClientHeight);
    Rect RowRect(int nRow) const; // across all columns
    Rect CellRect(int nRow, int nColumn) const;
    Rect CellTextRect(int nRow, int nColumn) const;

    // Sideways scrolling, in pixels: the columns move left by the scroll position, which runs
    // from 0 to the limit, the columns' width beyond the client width (0 when they fit). The
    // vertical position is the top row, up to the limit that still shows the last row whole.
    int GetScrollX() const { return m_scrollX; }
    int GetScrollLimitX(int nClientWidth) const;
    int GetScrollLimitY(int nClientHeight) const { return MaxTopRow(nClientHeight); }
    // Moves the columns by dx pixels (positive: towards their end), kept within the limit.
    // Returns whether the position changed.
    bool ScrollX(int dx, int nClientWidth);
    void ClampScrollX(int nClientWidth);
    // Moves the content by dx pixels sideways and dy pixels down, dy in whole rows (cut towards
    // zero). Returns whether anything moved.
    bool ScrollContent(int dx, int dy, int nClientWidth, int nClientHeight);
    // A scroll bar's request: a line is a row or kLineScrollX pixels, a page the rows that fit
    // whole or the client width. Returns whether the position changed.
    bool OnScroll(ScrollBarKind kind, ScrollRequest request, int nClientWidth, int nClientHeight);
    static constexpr int kLineScrollX = 10;

    // The row a point falls on, or -1 (header, empty area, right of the columns, and outside
    // the first column without full-row select).
    int HitTest(int x, int y) const;
    // The cell under a point, in any column and whatever the selection style; none over the
    // header, right of the columns and below the rows.
    SkinCell CellAt(int x, int y) const;
    // Whether a text measuring nTextWidth pixels in the list's font shows whole in the cell. A
    // text that does not fit is drawn cut with an ellipsis, and the list offers it whole.
    bool TextFits(int nRow, int nColumn, int nTextWidth) const;

    // A press of the mouse button: the row under the point becomes the only selected row;
    // anywhere else below the header the selection is cleared. Returns whether the selection
    // changed.
    bool Click(int x, int y);
    // A key that moves the selection by nRows (positive: towards the end), kept within the rows:
    // the arrows move it by one, the page keys by the rows that fit whole, Home and End to the
    // first and the last row. Without a selection, a move towards the end selects the first row
    // and one towards the start the last. The row is then scrolled into view. Returns whether
    // the selection changed.
    bool MoveSelection(int nRows, int nClientHeight);

    // Selected cells draw in the selection colours, every other cell in the normal colours.
    // With full-row select the whole row counts as selected, otherwise only its first column.
    SkinCellColors CellColors(int nRow, int nColumn) const;

    // Header items have the columns' widths and texts, side by side from x = 0, each as high as
    // the header.
    Rect HeaderItemRect(int nColumn, int nHeaderHeight) const;
    // Where the item's text is drawn: the item shrunk by 2 pixels on every side.
    Rect HeaderTextRect(int nColumn, int nHeaderHeight) const;
    // The column's text, cut to kMaxHeaderText characters.
    std::u16string HeaderItemText(int nColumn) const;
    // The bitmap copies that make up the header, in drawing order: the strip across the width,
    // then for each item its left edge, its middle and its right edge.
    std::vector<HeaderPiece> HeaderPieces(int nClientWidth) const;

private:
    struct Column {
        std::u16string text;
        int nWidth = 0;
        SkinColumnAlign align = SkinColumnAlign::Left;
    };
    struct Row {
        std::vector<std::u16string> texts;
        bool bSelected = false;
    };

    bool IsRow(int nRow) const { return nRow >= 0 && nRow < GetItemCount(); }
    bool IsColumn(int nColumn) const { return nColumn >= 0 && nColumn < GetColumnCount(); }
    // Where column nColumn starts in the client, after the sideways scroll.
    int ColumnLeft(int nColumn) const;
    int MaxTopRow(int nClientHeight) const;

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    unsigned m_extendedStyle = 0;
    int m_rowHeight = 20;
    int m_topRow = 0;
    int m_scrollX = 0;
};
