#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kilnward::app {

// Writes several files as one set (the five documents of a configuration): every new content
// goes to a temporary file beside its target first, and the old files are replaced only when
// all of them are written. When a write fails (disk full, a folder in the way, no rights) no
// old file is touched; when replacing one fails, the files replaced already get their old
// content back. So the set on disk is either all old or all new.
class FileSetWriter {
  public:
    struct Failure {
        QString path;    // the file that could not be written
        QString reason;  // why, as the system says it
    };

    void add(const QString& path, const QByteArray& bytes);
    // False with `failure` filled when the set could not be written.
    bool commit(Failure& failure);

  private:
    struct Entry {
        QString path;
        QByteArray bytes;
        QString temporary;
        QString previous;  // the old file moved aside while the set is put in place
        bool replaced = false;
    };
    bool writeTemporary(Entry& entry, Failure& failure) const;
    bool putInPlace(Entry& entry, Failure& failure) const;
    void rollBack();

    std::vector<Entry> entries_;
};

}  // namespace kilnward::app
