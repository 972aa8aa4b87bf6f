#include "skinlistmodel.h"

#include <algorithm>
#include <utility>

int SkinListModel::InsertColumn(int nColumn, std::u16string text, int nWidth,
                                SkinColumnAlign align) {
    if (nColumn < 0)
        return -1;
    nColumn = std::min(nColumn, GetColumnCount());
    columns.insert(columns.begin() + nColumn, Column{std::move(text), std::max(nWidth, 0), align});
    return nColumn;
}

std::u16string SkinListModel::GetColumnText(int nColumn) const {
    return IsColumn(nColumn) ? columns[static_cast<std::size_t>(nColumn)].text : std::u16string();
}

int SkinListModel::GetColumnWidth(int nColumn) const {
    return IsColumn(nColumn) ? columns[static_cast<std::size_t>(nColumn)].nWidth : 0;
}

SkinColumnAlign SkinListModel::GetColumnAlign(int nColumn) const {
    return IsColumn(nColumn) ? columns[static_cast<std::size_t>(nColumn)].align
                             : SkinColumnAlign::Left;
}

int SkinListModel::GetColumnsWidth() const {
    return ColumnLeft(GetColumnCount());
}

int SkinListModel::ColumnLeft(int nColumn) const {
    int nLeft = 0;
    for (int i = 0; i < nColumn && i < GetColumnCount(); ++i)
        nLeft += columns[static_cast<std::size_t>(i)].nWidth;
    return nLeft;
}

void SkinListModel::DeleteAllItems() {
    rows.clear();
    nTopRow = 0;
}

int SkinListModel::InsertItem(int nRow, std::u16string text) {
    if (nRow < 0)
        return -1;
    nRow = std::min(nRow, GetItemCount());
    Row row;
    row.texts.push_back(std::move(text));
    rows.insert(rows.begin() + nRow, std::move(row));
    return nRow;
}

bool SkinListModel::SetItemText(int nRow, int nColumn, std::u16string text) {
    if (!IsRow(nRow) || nColumn < 0 || nColumn >= std::max(GetColumnCount(), 1))
        return false;
    auto& texts = rows[static_cast<std::size_t>(nRow)].texts;
    if (texts.size() <= static_cast<std::size_t>(nColumn))
        texts.resize(static_cast<std::size_t>(nColumn) + 1);
    texts[static_cast<std::size_t>(nColumn)] = std::move(text);
    return true;
}

std::u16string SkinListModel::GetItemText(int nRow, int nColumn) const {
    if (!IsRow(nRow) || nColumn < 0)
        return {};
    const auto& texts = rows[static_cast<std::size_t>(nRow)].texts;
    return static_cast<std::size_t>(nColumn) < texts.size()
               ? texts[static_cast<std::size_t>(nColumn)]
               : std::u16string();
}

bool SkinListModel::SetItemState(int nRow, unsigned nState, unsigned nMask) {
    if (nRow != -1 && !IsRow(nRow))
        return false;
    if ((nMask & kStateSelected) == 0)
        return true;
    const bool bSelected = (nState & kStateSelected) != 0;
    if (nRow == -1) {
        for (Row& row : rows)
            row.bSelected = bSelected;
    } else {
        rows[static_cast<std::size_t>(nRow)].bSelected = bSelected;
    }
    return true;
}

unsigned SkinListModel::GetItemState(int nRow, unsigned nMask) const {
    if (!IsRow(nRow))
        return 0;
    return rows[static_cast<std::size_t>(nRow)].bSelected ? (kStateSelected & nMask) : 0;
}

void SkinListModel::SelectRow(int nRow) {
    for (int i = 0; i < GetItemCount(); ++i)
        rows[static_cast<std::size_t>(i)].bSelected = i == nRow;
}

int SkinListModel::GetSelectedRow() const {
    for (int i = 0; i < GetItemCount(); ++i) {
        if (rows[static_cast<std::size_t>(i)].bSelected)
            return i;
    }
    return -1;
}

int SkinListModel::GetFullyVisibleRows(int nClientHeight) const {
    return std::max((nClientHeight - kHeaderHeight) / nRowHeight, 1);
}

int SkinListModel::MaxTopRow(int nClientHeight) const {
    return std::max(GetItemCount() - GetFullyVisibleRows(nClientHeight), 0);
}

bool SkinListModel::Scroll(int nRows, int nClientHeight) {
    const int nOld = nTopRow;
    nTopRow = std::clamp(nTopRow + nRows, 0, MaxTopRow(nClientHeight));
    return nTopRow != nOld;
}

void SkinListModel::ClampTopRow(int nClientHeight) {
    nTopRow = std::clamp(nTopRow, 0, MaxTopRow(nClientHeight));
}

SkinRect SkinListModel::RowRect(int nRow) const {
    const int nTop = kHeaderHeight + (nRow - nTopRow) * nRowHeight;
    return {0, nTop, GetColumnsWidth(), nTop + nRowHeight};
}

SkinRect SkinListModel::CellRect(int nRow, int nColumn) const {
    if (!IsColumn(nColumn))
        return {};
    const SkinRect row = RowRect(nRow);
    const int nLeft = ColumnLeft(nColumn);
    return {nLeft, row.nTop, nLeft + GetColumnWidth(nColumn), row.nBottom};
}

SkinRect SkinListModel::CellTextRect(int nRow, int nColumn) const {
    SkinRect cell = CellRect(nRow, nColumn);
    cell.nLeft += kCellMargin;
    cell.nRight = std::max(cell.nRight - kCellMargin, cell.nLeft);
    return cell;
}

int SkinListModel::HitTest(int x, int y) const {
    if (y < kHeaderHeight || x < 0)
        return -1;
    const int nRight =
        (nExtendedStyle & kStyleFullRowSelect) ? GetColumnsWidth() : GetColumnWidth(0);
    if (x >= nRight)
        return -1;
    const int nRow = nTopRow + (y - kHeaderHeight) / nRowHeight;
    return IsRow(nRow) ? nRow : -1;
}

bool SkinListModel::Click(int x, int y) {
    if (y < kHeaderHeight)
        return false; // the header's own
    const int nRow = HitTest(x, y);
    bool bChanged = false;
    for (int i = 0; i < GetItemCount(); ++i) {
        Row& row = rows[static_cast<std::size_t>(i)];
        bChanged = bChanged || row.bSelected != (i == nRow);
        row.bSelected = i == nRow;
    }
    return bChanged;
}

SkinCellColors SkinListModel::CellColors(int nRow, int nColumn) const {
    const bool bWholeRow = (nExtendedStyle & kStyleFullRowSelect) != 0;
    if (GetItemState(nRow, kStateSelected) && (bWholeRow || nColumn == 0))
        return {kSelectedText, kSelectedBack};
    return {kNormalText, kNormalBack};
}

SkinRect SkinListModel::HeaderItemRect(int nColumn, int nHeaderHeight) const {
    if (!IsColumn(nColumn))
        return {};
    const int nLeft = ColumnLeft(nColumn);
    return {nLeft, 0, nLeft + GetColumnWidth(nColumn), nHeaderHeight};
}

SkinRect SkinListModel::HeaderTextRect(int nColumn, int nHeaderHeight) const {
    SkinRect item = HeaderItemRect(nColumn, nHeaderHeight);
    return {item.nLeft + 2, item.nTop + 2, item.nRight - 2, item.nBottom - 2};
}

std::u16string SkinListModel::HeaderItemText(int nColumn) const {
    return GetColumnText(nColumn).substr(0, kMaxHeaderText);
}

std::vector<HeaderPiece> SkinListModel::HeaderPieces(int nClientWidth) const {
    std::vector<HeaderPiece> pieces;
    // The strip across the whole header, starting 2 pixels in from the left.
    pieces.push_back({IDB_HEADER_STRIP, 0, 1, 2, nClientWidth});
    for (int i = 0; i < GetColumnCount(); ++i) {
        const SkinRect item = HeaderItemRect(i, kHeaderHeight);
        if (i == 0)
            pieces.push_back({IDB_HEADER_LEFT, 0, 2, item.nLeft, 2});
        else
            pieces.push_back({IDB_HEADER_STRIP, 0, 1, item.nLeft + 1, 1});
        const int nMiddle = item.nRight - 2 - (item.nLeft + 2);
        if (nMiddle > 0)
            pieces.push_back({IDB_HEADER_STRIP, 0, 1, item.nLeft + 2, nMiddle});
        pieces.push_back({IDB_HEADER_RIGHT, 0, 2, item.nRight - 2, 2});
    }
    return pieces;
}
