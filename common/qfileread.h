// Reading a small file the user's account keeps (settings, kept renders) without ever blocking
// or reading without end: only an ordinary file of a stated size at most is read.
#pragma once

#include <QByteArray>
#include <QString>

// What a file held when it was looked at.
struct FileRead {
    enum Kind { Missing, Read, NotAFile, TooLarge, Unreadable };
    Kind kind = Missing;
    QByteArray bytes; // the whole file, for Read
    QString reason;   // the system's words, for Unreadable
};

// Reads `path` when it is an ordinary file (a link to one is followed) of at most `maxBytes`
// bytes. Nothing else is opened, and what is opened cannot block: the name may come to stand
// for a pipe between the look and the opening.
FileRead ReadOrdinaryFile(const QString& path, qint64 maxBytes);
