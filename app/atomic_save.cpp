#include "app/atomic_save.h"

#include <QSaveFile>

std::optional<QString> SaveAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that each write reaches the file at once: QSaveFile takes a short write (a
    // full disk, a file size limit) for success, and only the next write reports the reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return file.errorString();  // the temporary file goes with `file`
        written += count;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}
