// Saving a file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Writes bytes to path through a temporary file beside it that is then renamed over it, so that
// path holds either what it held before or all of bytes. On a failure no temporary file is left
// and the system's reason is returned ("Permission denied", "No space left on device" …).
std::optional<QString> SaveAtomically(const QString& path, const QByteArray& bytes);
