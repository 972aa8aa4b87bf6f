// The program's images as Qt images: rendered on request, or served from the cache of the
// widget that paints them.
//
// Everything here runs on the user-interface thread and needs the application object.
#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>

// The circuit diagram (131) rendered afresh at exactly `pixels`, stretched to that size, as
// 24-bit RGB on white; not cached and with a device pixel ratio of 1. For a window that shows
// the diagram at a size of its own. Null for an empty size.
QImage RenderCircuit(QSize pixels);

// The image of resource `id` (the numbers of resourceids.h), or a null image for a number
// that is no image of the program.
//
// The drawings are rendered at their stated size times `devicePixelRatio` and carry that
// ratio, so they paint at their stated size in device-independent pixels and stay crisp on a
// dense screen: the circuit (131) as 24-bit RGB on white, the logo (132) as an 8-bit palette
// image, the icon (128) at its standard size with transparent corners. The skin pieces
// (134 to 151) are always their exact pixels at ratio 1, whatever ratio is asked for.
//
// Every call renders afresh; a widget that paints an image on every paint asks its
// BitmapCache instead.
QImage LoadBitmapResource(int id, qreal devicePixelRatio = 1.0);

// The images one painter uses, as LoadBitmapResource gives them: the first request for an id
// and ratio renders, later ones return a shared copy of the same pixels, so painting may ask on
// every paint. Each widget that paints resources keeps one.
class BitmapCache {
public:
    QImage Load(int id, qreal devicePixelRatio = 1.0);
    // Forgets every rendered image, so that the next request renders afresh (after a change of
    // screen, say). Images already handed out stay valid.
    void Clear() { m_images.clear(); }

private:
    QHash<quint64, QImage> m_images;
};

// The icon rendered square at `size` pixels times `devicePixelRatio`.
QImage AppIconImage(int size, qreal devicePixelRatio = 1.0);

// The program icon with its images at 16, 32, 48 and 256 pixels, made on the first request.
QIcon AppIcon();

// The resource path of the drawing behind a vector resource (":/velnor/..."), empty for
// the skin pieces and unknown numbers. For renderers that draw it at a size of their own.
QString VectorResourcePath(int id);
