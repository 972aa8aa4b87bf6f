#pragma once

#include "bitmaps.h"
#include "skinscrollmodel.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class CSkinListCtrl;

// A bitmap-drawn scroll bar, 12 pixels thick, beside a results list: it mirrors the list's
// scroll position, turns clicks into the list's scroll requests, repeats a held arrow and lets
// the thumb be dragged. Every number and rule is its SkinScrollModel's; this widget forwards the
// mouse and the timer to it and applies what it answers.
class SkinScrollBar : public QWidget {
    Q_OBJECT
public:
    SkinScrollBar(ScrollBarKind kind, QWidget* parent);

    // The list the bar shows and scrolls; not owned. Without one the bar scrolls nothing.
    void SetList(CSkinListCtrl* list) { m_list = list; }
    // Recomputes the thumb from the list and draws the bar.
    void UpdateThumb();
    // Keeps the thumb between the arrows.
    void ClampThumb();

    const SkinScrollModel& Model() const { return m_model; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int ScrollPos() const;
    int ScrollLimit() const;
    // Sends a step to the list, then follows it.
    void Send(ScrollRequest request);
    void OnTimer();
    // Runs the timer at the model's interval.
    void SyncTimer();

    SkinScrollModel m_model;
    BitmapCache m_bitmaps; // the arrows, track and thumb
    CSkinListCtrl* m_list = nullptr;
    QTimer m_timer;
    QImage m_buffer; // the off-screen surface, kept between paints
};
