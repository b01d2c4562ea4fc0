#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace quintaro::wqgame {

// A library file's bytes at their own offsets in memory, read in as they are needed.
// Unread bytes read as zero and cost no memory. Mapping the file instead would let the
// kernel map whole page-cache folios, up to megabytes around each byte read: pictures for
// other pixel ratios would be made resident by reading their neighbours.
class LibraryImage {
public:
    LibraryImage() = default;
    ~LibraryImage();
    LibraryImage(const LibraryImage&) = delete;
    LibraryImage& operator=(const LibraryImage&) = delete;

    // Opens `fileName` and reserves its size in memory; on failure `error` says why.
    bool open(const QString& fileName, QString* error);
    QString fileName() const { return m_file.fileName(); }

    // All of the file; only what read() has filled in holds its contents. Stays at one
    // address for the image's life.
    QByteArrayView bytes() const { return {m_bytes, m_size}; }

    // Reads into place the part of bytes [offset, offset + size) that lies in the file;
    // false when it cannot be read.
    bool read(qsizetype offset, qsizetype size);

private:
    QFile m_file;
    char* m_bytes = nullptr;
    qsizetype m_size = 0;
};

} // namespace quintaro::wqgame
