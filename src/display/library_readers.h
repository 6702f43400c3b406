#pragma once
#include <QByteArray>
#include <QImage>
#include <cstdint>

// Pictures that Qt has no reader for, decoded by their formats' own libraries. A decoder takes
// the whole file and answers the picture, upright (turned and mirrored as the file asks) when
// upright is set, or a null image; depth gets the stored bits per pixel. A picture whose
// decoded pixels would take more than byteLimit bytes is refused before it is decoded.
struct LibraryReader {
    bool (*recognises)(const QByteArray& head);  // the file's first bytes
    QImage (*decode)(const QByteArray& file, bool upright, int64_t byteLimit, int& depth);
};

// The reader for a file starting with head; null when Qt's own readers take it.
const LibraryReader* libraryReaderFor(const QByteArray& head);

QImage decodeAvif(const QByteArray& file, bool upright, int64_t byteLimit, int& depth);
QImage decodeHeif(const QByteArray& file, bool upright, int64_t byteLimit, int& depth);
QImage decodeJxl(const QByteArray& file, bool upright, int64_t byteLimit, int& depth);
