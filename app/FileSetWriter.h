#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kilnward::app {

// Writes several files as one set (the five documents of a configuration): every new content
// goes to a temporary file of its own beside its target first, and the old files are replaced
// only when all of them are written. When a write fails (disk full, a folder in the way, no
// rights) no old file is touched; when replacing one fails, the files replaced already get
// their old content back. So the set on disk is either all old or all new.
// A name that is a symbolic link is saved into the link's target, and a replaced file keeps
// its mode (and, where the system allows, its owner). A set that names one file twice, a
// read-only file, or anything but a regular file is refused before anything is written.
class FileSetWriter {
  public:
    struct Failure {
        QString path;    // the file that could not be written, as it was named
        QString reason;  // why, as the system says it
    };

    // The file a save under `path` writes: the end of its chain of symbolic links, in its
    // folder's canonical name, so that two names of one file give one target.
    static QString target(const QString& path);

    void add(const QString& path, const QByteArray& bytes);
    // False with `failure` filled when the set could not be written.
    bool commit(Failure& failure);

  private:
    struct Entry {
        QString path;
        QString target;
        QByteArray bytes;
        QString temporary;
        QString previous;  // the old file moved aside while the set is put in place
        bool replaced = false;
    };
    bool check(const Entry& entry, Failure& failure) const;
    bool writeTemporary(Entry& entry, Failure& failure) const;
    bool putInPlace(Entry& entry, Failure& failure) const;
    void rollBack();

    std::vector<Entry> entries_;
};

}  // namespace kilnward::app
