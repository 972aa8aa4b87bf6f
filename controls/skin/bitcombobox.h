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
// highlight colours. While the list is open the button shows its dropped bitmap. A name too long
// for the face ends in an ellipsis before the button and shows whole as the tool tip; the list
// is as wide as the longest name needs.
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
    // Where the texts start, from the left edge of the face and of a list item, in pixels.
    int TextIndent() const { return m_model.TextIndent(); }

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A new choice: the drop-down list selects it too, and a screen reader hears the new text.
    void OnChoiceChanged(int index);
    bool HasKeyboardFocus() const;
    // A name cut short on the face shows whole as the face's tool tip.
    void UpdateToolTip();
    void LearnList();
    void PaintList();

    BitComboModel m_model;
    BitmapCache m_bitmaps; // the face's pieces
    CBitListBox m_list;
    QPointer<QWidget> m_popup; // the window the list opens in, watched for its show and hide
    QFont m_itemFont;
    QString m_announcedText; // the choice a screen reader last heard of
};
