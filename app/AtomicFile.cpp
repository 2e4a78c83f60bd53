#include "app/AtomicFile.h"

#include <QSaveFile>

namespace kilnward::app {

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile reports a short write (disk full) as success at
    // commit and would put a cut file in place of the old one.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size();
    if (!written) {
        if (error) {
            *error = file.errorString();
            if (file.isOpen() && file.error() == QFileDevice::NoError) {
                *error = QStringLiteral("the disk is full or the file too large");
            }
        }
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

}  // namespace kilnward::app
