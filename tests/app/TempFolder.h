#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "tests/support/FileBytes.h"

// A scratch folder per test with helpers to write and read raw bytes.
class TempFolder {
  public:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }

    QString write(const QString& name, const QByteArray& bytes) const {
        kilnward::test::WriteBytes(path(name), bytes);
        return path(name);
    }
    QByteArray read(const QString& name) const { return kilnward::test::ReadBytes(path(name)); }

  private:
    QTemporaryDir dir_;
};
