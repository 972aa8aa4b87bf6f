#include "skinlistmodel.h"

#include "resourceids.h"

#include <algorithm>
#include <utility>

int SkinListModel::InsertColumn(int nColumn, std::u16string text, int nWidth,
                                SkinColumnAlign align) {
    if (nColumn < 0)
        return -1;
    nColumn = std::min(nColumn, GetColumnCount());
    m_columns.insert(m_columns.begin() + nColumn,
                     Column{std::move(text), std::max(nWidth, 0), align});
    return nColumn;
}

std::u16string SkinListModel::GetColumnText(int nColumn) const {
    return IsColumn(nColumn) ? m_columns[static_cast<std::size_t>(nColumn)].text : std::u16string();
}

int SkinListModel::GetColumnWidth(int nColumn) const {
    return IsColumn(nColumn) ? m_columns[static_cast<std::size_t>(nColumn)].nWidth : 0;
}

SkinColumnAlign SkinListModel::GetColumnAlign(int nColumn) const {
    return IsColumn(nColumn) ? m_columns[static_cast<std::size_t>(nColumn)].align
                             : SkinColumnAlign::Left;
}

int SkinListModel::GetColumnsWidth() const {
    return ColumnLeft(GetColumnCount()) + m_scrollX;
}

int SkinListModel::ColumnLeft(int nColumn) const {
    int nLeft = -m_scrollX;
    for (int i = 0; i < nColumn && i < GetColumnCount(); ++i)
        nLeft += m_columns[static_cast<std::size_t>(i)].nWidth;
    return nLeft;
}

void SkinListModel::DeleteAllItems() {
    m_rows.clear();
    m_topRow = 0;
}

int SkinListModel::InsertItem(int nRow, std::u16string text) {
    if (nRow < 0)
        return -1;
    nRow = std::min(nRow, GetItemCount());
    Row row;
    row.texts.push_back(std::move(text));
    m_rows.insert(m_rows.begin() + nRow, std::move(row));
    return nRow;
}

bool SkinListModel::SetItemText(int nRow, int nColumn, std::u16string text) {
    if (!IsRow(nRow) || nColumn < 0 || nColumn >= std::max(GetColumnCount(), 1))
        return false;
    auto& texts = m_rows[static_cast<std::size_t>(nRow)].texts;
    if (texts.size() <= static_cast<std::size_t>(nColumn))
        texts.resize(static_cast<std::size_t>(nColumn) + 1);
    texts[static_cast<std::size_t>(nColumn)] = std::move(text);
    return true;
}

std::u16string SkinListModel::GetItemText(int nRow, int nColumn) const {
    if (!IsRow(nRow) || nColumn < 0)
        return {};
    const auto& texts = m_rows[static_cast<std::size_t>(nRow)].texts;
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
        for (Row& row : m_rows)
            row.bSelected = bSelected;
    } else {
        m_rows[static_cast<std::size_t>(nRow)].bSelected = bSelected;
    }
    return true;
}

unsigned SkinListModel::GetItemState(int nRow, unsigned nMask) const {
    if (!IsRow(nRow))
        return 0;
    return m_rows[static_cast<std::size_t>(nRow)].bSelected ? (kStateSelected & nMask) : 0;
}

void SkinListModel::SelectRow(int nRow) {
    for (int i = 0; i < GetItemCount(); ++i)
        m_rows[static_cast<std::size_t>(i)].bSelected = i == nRow;
}

int SkinListModel::GetSelectedRow() const {
    for (int i = 0; i < GetItemCount(); ++i) {
        if (m_rows[static_cast<std::size_t>(i)].bSelected)
            return i;
    }
    return -1;
}

int SkinListModel::GetFullyVisibleRows(int nClientHeight) const {
    return std::max((nClientHeight - kHeaderHeight) / m_rowHeight, 1);
}

int SkinListModel::MaxTopRow(int nClientHeight) const {
    return std::max(GetItemCount() - GetFullyVisibleRows(nClientHeight), 0);
}

bool SkinListModel::Scroll(int nRows, int nClientHeight) {
    const int nOld = m_topRow;
    m_topRow = std::clamp(m_topRow + nRows, 0, MaxTopRow(nClientHeight));
    return m_topRow != nOld;
}

void SkinListModel::ClampTopRow(int nClientHeight) {
    m_topRow = std::clamp(m_topRow, 0, MaxTopRow(nClientHeight));
}

int SkinListModel::GetScrollLimitX(int nClientWidth) const {
    return std::max(GetColumnsWidth() - nClientWidth, 0);
}

bool SkinListModel::ScrollX(int dx, int nClientWidth) {
    const int nOld = m_scrollX;
    m_scrollX = std::clamp(m_scrollX + dx, 0, GetScrollLimitX(nClientWidth));
    return m_scrollX != nOld;
}

void SkinListModel::ClampScrollX(int nClientWidth) {
    m_scrollX = std::clamp(m_scrollX, 0, GetScrollLimitX(nClientWidth));
}

bool SkinListModel::ScrollContent(int dx, int dy, int nClientWidth, int nClientHeight) {
    const bool bSideways = ScrollX(dx, nClientWidth);
    const bool bDown = Scroll(dy / m_rowHeight, nClientHeight);
    return bSideways || bDown;
}

bool SkinListModel::OnScroll(ScrollBarKind kind, ScrollRequest request, int nClientWidth,
                             int nClientHeight) {
    const bool bHorizontal = kind == ScrollBarKind::Horizontal;
    int nStep = 0;
    switch (request) {
    case ScrollRequest::LineUp:
    case ScrollRequest::LineDown:
        nStep = bHorizontal ? kLineScrollX : 1;
        break;
    case ScrollRequest::PageUp:
    case ScrollRequest::PageDown:
        nStep = bHorizontal ? nClientWidth : GetFullyVisibleRows(nClientHeight);
        break;
    }
    if (request == ScrollRequest::LineUp || request == ScrollRequest::PageUp)
        nStep = -nStep;
    return bHorizontal ? ScrollX(nStep, nClientWidth) : Scroll(nStep, nClientHeight);
}

Rect SkinListModel::RowRect(int nRow) const {
    const int nTop = kHeaderHeight + (nRow - m_topRow) * m_rowHeight;
    return {ColumnLeft(0), nTop, ColumnLeft(GetColumnCount()), nTop + m_rowHeight};
}

Rect SkinListModel::CellRect(int nRow, int nColumn) const {
    if (!IsColumn(nColumn))
        return {};
    const Rect row = RowRect(nRow);
    const int nLeft = ColumnLeft(nColumn);
    return {nLeft, row.top, nLeft + GetColumnWidth(nColumn), row.bottom};
}

Rect SkinListModel::CellTextRect(int nRow, int nColumn) const {
    Rect cell = CellRect(nRow, nColumn);
    cell.left += kCellMargin;
    cell.right = std::max(cell.right - kCellMargin, cell.left);
    return cell;
}

int SkinListModel::HitTest(int x, int y) const {
    if (y < kHeaderHeight || x < ColumnLeft(0))
        return -1;
    const int nRight = ColumnLeft(
        (m_extendedStyle & kStyleFullRowSelect) ? GetColumnCount() : std::min(GetColumnCount(), 1));
    if (x >= nRight)
        return -1;
    const int nRow = m_topRow + (y - kHeaderHeight) / m_rowHeight;
    return IsRow(nRow) ? nRow : -1;
}

SkinCell SkinListModel::CellAt(int x, int y) const {
    if (y < kHeaderHeight || x < 0)
        return {};
    const int nRow = m_topRow + (y - kHeaderHeight) / m_rowHeight;
    if (!IsRow(nRow))
        return {};
    for (int nColumn = 0; nColumn < GetColumnCount(); ++nColumn) {
        if (x < ColumnLeft(nColumn + 1))
            return {nRow, nColumn};
    }
    return {};
}

bool SkinListModel::TextFits(int nRow, int nColumn, int nTextWidth) const {
    return nTextWidth <= CellTextRect(nRow, nColumn).Width();
}

bool SkinListModel::Click(int x, int y) {
    if (y < kHeaderHeight)
        return false; // the header's own
    const int nRow = HitTest(x, y);
    bool bChanged = false;
    for (int i = 0; i < GetItemCount(); ++i) {
        Row& row = m_rows[static_cast<std::size_t>(i)];
        bChanged = bChanged || row.bSelected != (i == nRow);
        row.bSelected = i == nRow;
    }
    return bChanged;
}

bool SkinListModel::MoveSelection(int nRows, int nClientHeight) {
    const int nCount = GetItemCount();
    if (nCount == 0 || nRows == 0)
        return false;
    const int nOld = GetSelectedRow();
    int nRow = 0;
    if (nOld < 0)
        nRow = nRows > 0 ? 0 : nCount - 1;
    else
        nRow = static_cast<int>(
            std::clamp<long long>(static_cast<long long>(nOld) + nRows, 0, nCount - 1));
    SelectRow(nRow);
    const int nShown = GetFullyVisibleRows(nClientHeight);
    if (nRow < m_topRow)
        m_topRow = nRow;
    else if (nRow >= m_topRow + nShown)
        m_topRow = nRow - nShown + 1;
    ClampTopRow(nClientHeight);
    return nRow != nOld;
}

SkinCellColors SkinListModel::CellColors(int nRow, int nColumn) const {
    const bool bWholeRow = (m_extendedStyle & kStyleFullRowSelect) != 0;
    if (GetItemState(nRow, kStateSelected) && (bWholeRow || nColumn == 0))
        return {kSelectedText, kSelectedBack};
    return {kNormalText, kNormalBack};
}

Rect SkinListModel::HeaderItemRect(int nColumn, int nHeaderHeight) const {
    if (!IsColumn(nColumn))
        return {};
    const int nLeft = ColumnLeft(nColumn);
    return {nLeft, 0, nLeft + GetColumnWidth(nColumn), nHeaderHeight};
}

Rect SkinListModel::HeaderTextRect(int nColumn, int nHeaderHeight) const {
    Rect item = HeaderItemRect(nColumn, nHeaderHeight);
    return {item.left + 2, item.top + 2, item.right - 2, item.bottom - 2};
}

std::u16string SkinListModel::HeaderItemText(int nColumn) const {
    return GetColumnText(nColumn).substr(0, kMaxHeaderText);
}

std::vector<HeaderPiece> SkinListModel::HeaderPieces(int nClientWidth) const {
    std::vector<HeaderPiece> pieces;
    // The strip across the whole header, starting 2 pixels in from the left.
    pieces.push_back({ResourceId::kHeaderStrip, 0, 1, 2, nClientWidth});
    for (int i = 0; i < GetColumnCount(); ++i) {
        const Rect item = HeaderItemRect(i, kHeaderHeight);
        if (i == 0)
            pieces.push_back({ResourceId::kHeaderLeft, 0, 2, item.left, 2});
        else
            pieces.push_back({ResourceId::kHeaderStrip, 0, 1, item.left + 1, 1});
        const int nMiddle = item.right - 2 - (item.left + 2);
        if (nMiddle > 0)
            pieces.push_back({ResourceId::kHeaderStrip, 0, 1, item.left + 2, nMiddle});
        pieces.push_back({ResourceId::kHeaderRight, 0, 2, item.right - 2, 2});
    }
    return pieces;
}
