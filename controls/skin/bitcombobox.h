#pragma once

#include "bitcombomodel.h"
#include "bitlistbox.h"
#include "bitmaps.h"

#include <QComboBox>
#include <QFont>
#include <QPointer>

// The refrigerant picker: a drop-down list combo box whose closed face is drawn from three
// skin bitmaps (left cap, stretched middle, button) and whose drop-down list it paints itself,
// all texts in Arial of cell height 14. While the picker has the keyboard focus the face shows
// the highlight colours, otherwise the normal ones; in the list the focused item shows the
// highlight colours. While the list is open the button shows its dropped bitmap.
//
// Selection, keyboard use and signals are the combo box's own; the items carry no data of the
// picker's. The picker takes the mouse wheel only while it has the keyboard focus: otherwise
// the wheel goes on to its parent, as if the picker were not there.
class CBitComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CBitComboBox(QWidget* parent = nullptr);
    ~CBitComboBox() override;

    // Skin bitmap numbers (ResourceId); 0 for none.
    void SetBitmaps(int nLeftCap, int nButton, int nButtonDropped, int nMiddle);
    void SetHighlightColors(COLORREF back, COLORREF text);
    void SetNormalColors(COLORREF back, COLORREF text);
    // A font of the given cell height with every other attribute left at its default; the
    // picker's texts use CreateItemFont(0, 14, "Arial", 400, 1).
    static QFont CreateItemFont(int width, int height, const QString& face, int weight,
                                int pitchAndFamily);

    // The drop-down list, known from the first time it is shown.
    const CBitListBox& List() const { return m_list; }

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HasKeyboardFocus() const;
    void LearnList();
    void PaintList();

    BitComboModel m_model;
    BitmapCache m_bitmaps; // the face's pieces
    CBitListBox m_list;
    QPointer<QWidget> m_popup; // the window the list opens in, watched for its show and hide
    QFont m_itemFont;
};
