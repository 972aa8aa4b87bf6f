#pragma once

#include <QImage>
#include <QSize>

#include <vector>

// The circuit diagram, ready to be drawn at any size without stretching the full 1401 x 1926
// picture on every paint: halved copies are made once, a drawn size is scaled smoothly from
// the smallest copy still at least as large, and the last drawn size is kept.
class DiagramCache {
public:
    void SetSource(const QImage& image);
    bool HasSource() const { return !levels.empty(); }
    QSize SourceSize() const { return levels.empty() ? QSize() : levels.front().size(); }
    // The picture at `pixels` device pixels, marked with the device pixel ratio it is for.
    const QImage& Scaled(const QSize& pixels, qreal ratio = 1.0);

private:
    std::vector<QImage> levels; // the source, then each half the size of the one before
    QImage last;
};
