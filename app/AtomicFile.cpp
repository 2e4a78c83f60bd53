#include "app/AtomicFile.h"

#include "app/FileSetWriter.h"

namespace kilnward::app {

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    // A set of one: the same rules for links, modes and read-only files as every save.
    FileSetWriter writer;
    writer.add(path, bytes);
    FileSetWriter::Failure failure;
    if (writer.commit(failure)) {
        return true;
    }
    if (error) {
        *error = failure.reason;
    }
    return false;
}

}  // namespace kilnward::app
