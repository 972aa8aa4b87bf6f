// The program's images as Qt images, each made once and then served from a cache.
//
// Everything here runs on the user-interface thread and needs the application object.
#pragma once

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
// The first request for an id and ratio renders; later ones return a shared copy of the same
// pixels, so painting may ask on every paint.
QImage LoadBitmapResource(int id, qreal devicePixelRatio = 1.0);

// The icon rendered square at `size` pixels times `devicePixelRatio` (cached like the others).
QImage AppIconImage(int size, qreal devicePixelRatio = 1.0);

// The program icon with its images at 16, 32, 48 and 256 pixels.
QIcon AppIcon();

// Forgets every rendered image, so that the next request renders afresh (after a change of
// screen, say). Images already handed out stay valid.
void ClearBitmapCache();

// The resource path of the drawing behind a vector resource (":/velnor/..."), empty for
// the skin pieces and unknown numbers. For renderers that draw it at a size of their own.
QString VectorResourcePath(int id);
