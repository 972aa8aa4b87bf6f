#pragma once

#include "skinhorizontalscrollbar.h"
#include "skinlistmodel.h"
#include "skinverticlescrollbar.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

class CSkinHeaderCtrl;
class QFont;
class QHelpEvent;

// The results list: a two-column table under a skinned header that draws every ordinary row
// black on RGB(242,246,251) and every selected row black on RGB(44,190,77). It paints off screen,
// never erases its background and has no scroll bars of its own. It can be given two bitmap
// scroll bars beside it (Init). It takes the keyboard focus by a click or Tab and then shows a
// dotted frame around the selected row (around the rows without one). A left click selects the
// row under the mouse (or clears the selection outside the rows) and emits clicked() when the
// button is released; the arrow, page, Home and End keys move the selection (MoveSelection) and
// emit selectionMovedByKey(). A
// text cut to fit its cell shows whole as the cell's tool tip, and a screen reader finds every
// text whole as a cell of the table it offers a screen reader (SkinListAccessible).
//
// The operations follow the list view's: rows and columns by index, texts per column, the
// selected state per row, redraw switched off around a refill.
class CSkinListCtrl : public QWidget {
    Q_OBJECT
public:
    static constexpr unsigned kStateSelected = SkinListModel::kStateSelected;
    static constexpr unsigned kStyleGridLines = SkinListModel::kStyleGridLines;
    static constexpr unsigned kStyleFullRowSelect = SkinListModel::kStyleFullRowSelect;

    explicit CSkinListCtrl(QWidget* parent = nullptr);
    ~CSkinListCtrl() override;

    // One-time set-up before the list is first shown; until then it draws only its background.
    // With true it also makes the two bitmap scroll bars, visible children of the list's parent
    // (none without a parent) placed along its right and bottom edges; they follow the list's
    // scroll position from then on.
    void Init(bool bSkinScrollBars);
    // Puts the bars along the list's right and bottom edges and updates their thumbs; nothing
    // without bars.
    void PositionScrollBars();

    // The scroll position and its limit along one direction: pixels sideways, rows down (the
    // top row).
    int GetScrollPos(ScrollBarKind kind) const;
    int GetScrollLimit(ScrollBarKind kind) const;
    // A scroll bar's line or page request.
    void OnScroll(ScrollBarKind kind, ScrollRequest request);
    // Moves the content by dx pixels sideways and dy pixels down, dy in whole rows.
    void Scroll(int dx, int dy);
    CSkinHorizontalScrollbar* GetHorizontalScrollbar() const { return m_horizontalBar; }
    CSkinVerticleScrollbar* GetVerticleScrollbar() const { return m_verticalBar; }

    // The rows' font; the row height follows its cell height.
    void SetFont(const QFont& font);
    void SetExtendedStyle(unsigned nStyle);
    unsigned GetExtendedStyle() const { return m_model.GetExtendedStyle(); }

    int InsertColumn(int nColumn, const QString& text, int nWidth,
                     SkinColumnAlign align = SkinColumnAlign::Left);
    int GetColumnCount() const { return m_model.GetColumnCount(); }
    int GetColumnWidth(int nColumn) const { return m_model.GetColumnWidth(nColumn); }

    void DeleteAllItems();
    int InsertItem(int nRow, const QString& text);
    bool SetItemText(int nRow, int nColumn, const QString& text);
    QString GetItemText(int nRow, int nColumn) const;
    int GetItemCount() const { return m_model.GetItemCount(); }
    bool SetItemState(int nRow, unsigned nState, unsigned nMask);
    unsigned GetItemState(int nRow, unsigned nMask) const {
        return m_model.GetItemState(nRow, nMask);
    }
    // Selects nRow alone; -1 clears the selection.
    void SelectRow(int nRow);
    int GetSelectedRow() const { return m_model.GetSelectedRow(); }

    // Off: changes are not drawn. On: the list and its header are drawn again.
    void SetRedraw(bool bRedraw);
    // The area the rows and the header share; the list has no frame and no scroll bars.
    QRect GetClientRect() const { return rect(); }

    CSkinHeaderCtrl* GetHeaderCtrl() const { return m_header; }
    const SkinListModel& Model() const { return m_model; }

signals:
    // A left click anywhere in the rows area, sent when the button is released.
    void clicked();
    // A key moved the selection.
    void selectionMovedByKey();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Changed();
    // Tells a screen reader that the texts or the selection changed, unless redraw is off: the
    // reader hears of a refill once, when the list shows it.
    void NotifyReaders();
    // The tool tip for a help event: the whole text of a cut cell under the pointer, else none.
    void ShowCutText(const QHelpEvent& event);
    // The content moved: the list and its header are drawn again.
    void Scrolled();
    void PaintRows(QPainter& painter) const;
    // The dotted frame of the focus: around the selected row, or around the rows area.
    void PaintFocus(QPainter& painter) const;
    // Brings the bars' thumbs up to the list's scroll position: vertical, then horizontal.
    void UpdateScrollBars();

    SkinListModel m_model;
    CSkinHeaderCtrl* m_header = nullptr;
    QImage m_buffer; // the off-screen surface, kept between paints
    bool m_initialised = false;
    bool m_skinScrollBars = false; // asked for by Init
    // Children of the list's parent, deleted with the list.
    QPointer<CSkinHorizontalScrollbar> m_horizontalBar;
    QPointer<CSkinVerticleScrollbar> m_verticalBar;
    bool m_pressed = false;
    int m_wheelDelta = 0; // wheel movement not yet turned into rows
};
