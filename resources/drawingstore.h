// Finished renders of the program's drawings, kept in a folder of the user's cache between runs:
// a start that finds the render it needs shows those pixels instead of drawing them again.
//
// Each drawing keeps one render, the last one made, under its name. The key it was made from
// (everything the pixels depend on: the drawing's source, the size, the library and the face
// that drew it) is kept with it, and a render is handed out only for exactly that key. A file
// that is no ordinary file, too large, cut short or altered is passed over as if missing, and a
// render that cannot be kept is simply made again next time. A store without a folder keeps
// nothing.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <utility>

class DrawingStore {
public:
    DrawingStore() = default;
    explicit DrawingStore(QString folder) : m_folder(std::move(folder)) {}

    // The program's folder in the user's cache: organization/application under $XDG_CACHE_HOME,
    // else under ~/.cache.
    static QString UserFolder();

    // The render kept under `name` for `key`, or a null image.
    QImage Find(const QString& name, const QByteArray& key) const;
    // Keeps `image` (32-bit or 8-bit palette pixels) under `name` for `key`, in place of the
    // render kept there before.
    void Keep(const QString& name, const QByteArray& key, const QImage& image) const;

    // What every kept render depends on besides its own source, size and format: the Qt
    // version, the byte order, the print of the font set and how text looks on this desktop
    // (its hinting, smoothing and subpixel order, seen in a sample). Looked at once; empty
    // where the font set cannot be told apart, and then a key must not be made.
    const QByteArray& RenderBasis() const;

    const QString& Folder() const { return m_folder; }
    QString FilePath(const QString& name) const;

    // The largest file read back: four times the 32-bit pixels of a 4K screen.
    static constexpr qint64 kMaxFileSize = 128LL << 20;

private:
    QString m_folder;
    mutable std::optional<QByteArray> m_basis;
};
