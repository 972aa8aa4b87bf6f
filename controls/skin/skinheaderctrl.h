#pragma once

#include "bitmaps.h"

#include <QImage>
#include <QWidget>

class SkinListModel;

// The results list's column header: paints the list's columns from the three header bitmaps
// with white Arial text, off screen and without erasing its background first. Its items are
// the list's columns; clicks on it do nothing.
class CSkinHeaderCtrl : public QWidget {
    Q_OBJECT
public:
    CSkinHeaderCtrl(const SkinListModel& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const SkinListModel& m_model;
    BitmapCache m_bitmaps; // the strip's pieces
    QImage m_buffer;       // the off-screen surface, kept between paints
};
