#include "wqgame/library_image.h"

#include <QCoreApplication>

#include <sys/mman.h>

#include <algorithm>

namespace quintaro::wqgame {

LibraryImage::~LibraryImage() {
    if (m_bytes != nullptr)
        munmap(m_bytes, static_cast<std::size_t>(m_size));
}

bool LibraryImage::open(const QString& fileName, QString* error) {
    m_file.setFileName(fileName);
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *error = m_file.errorString();
        return false;
    }
    m_size = m_file.size();
    if (m_size == 0)
        return true;
    void* reserved = mmap(nullptr, static_cast<std::size_t>(m_size), PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (reserved == MAP_FAILED) {
        *error = QCoreApplication::translate("Errors", "no memory for its %1 bytes").arg(m_size);
        m_size = 0;
        return false;
    }
    // Huge pages would give each small file read megabytes of memory.
    madvise(reserved, static_cast<std::size_t>(m_size), MADV_NOHUGEPAGE);
    m_bytes = static_cast<char*>(reserved);
    return true;
}

bool LibraryImage::read(qsizetype offset, qsizetype size) {
    const qsizetype begin = std::clamp<qsizetype>(offset, 0, m_size);
    const qsizetype end =
        std::clamp<qsizetype>(offset + std::max<qsizetype>(size, 0), begin, m_size);
    return begin == end ||
           (m_file.seek(begin) && m_file.read(m_bytes + begin, end - begin) == end - begin);
}

} // namespace quintaro::wqgame
