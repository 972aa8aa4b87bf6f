// The program's images as Qt images: rendered on request, or served from the cache of the
// widget that paints them.
//
// Everything here runs on the user-interface thread and needs the application object.
#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>

class DrawingStore;

// The circuit diagram (131) rendered afresh at exactly `pixels`, stretched to that size, as
// 24-bit RGB on white; not cached and with a device pixel ratio of 1. For a window that shows
// the diagram at a size of its own. Null for an empty size. With a `store`, a render kept there
// for the same drawing, size, language and face is used, and a new render is kept.
QImage RenderCircuit(QSize pixels, const DrawingStore* store = nullptr);

// The circuit drawing's source with its labels in the program's language, as RenderCircuit
// draws it.
QByteArray CircuitSource();

// The image of resource `id` (the numbers of resourceids.h), or a null image for a number
// that is no image of the program.
//
// The drawings are rendered at their stated size times `devicePixelRatio` and carry that
// ratio, so they paint at their stated size in device-independent pixels and stay crisp on a
// dense screen: the circuit (131) as 24-bit RGB on white, the logo (132) as an 8-bit palette
// image, the icon (128) at its standard size with transparent corners. The skin pieces
// (134 to 151) are always their exact pixels at ratio 1, whatever ratio is asked for.
//
// Every call renders afresh, unless a `store` keeps the circuit's or the logo's render from an
// earlier run; a widget that paints an image on every paint asks its BitmapCache instead.
QImage LoadBitmapResource(int id, qreal devicePixelRatio = 1.0,
                          const DrawingStore* store = nullptr);

// The images one painter uses, as LoadBitmapResource gives them: the first request for an id
// and ratio renders, later ones return a shared copy of the same pixels, so painting may ask on
// every paint. Each widget that paints resources keeps one.
class BitmapCache {
public:
    QImage Load(int id, qreal devicePixelRatio = 1.0);
    // From now on drawings come from renders `store` kept between runs where it can, and new
    // renders are kept there (null: none). The store must outlive the cache.
    void UseStore(const DrawingStore* store) { m_store = store; }
    // Forgets every rendered image, so that the next request renders afresh (after a change of
    // screen, say). Images already handed out stay valid.
    void Clear() { m_images.clear(); }

private:
    const DrawingStore* m_store = nullptr;
    QHash<quint64, QImage> m_images;
};

// The icon rendered square at `size` pixels times `devicePixelRatio`.
QImage AppIconImage(int size, qreal devicePixelRatio = 1.0);

// The program icon: it offers 16, 32, 48 and 256 pixels, each rendered from the drawing when a
// size is first asked for.
QIcon AppIcon();

// The resource path of the drawing behind a vector resource (":/velnor/..."), empty for
// the skin pieces and unknown numbers. For renderers that draw it at a size of their own.
QString VectorResourcePath(int id);
