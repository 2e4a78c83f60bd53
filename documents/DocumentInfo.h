#pragma once

#include <QString>

#include <utility>

namespace kilnward::documents {

// One document kind: its file-type tag (also the suffix of its controls' tags), the
// untranslated names of its files and its data, its current file and unsaved-changes flag.
// The file name and the flag change only through `Documents`, which announces them.
class DocumentInfo {
  public:
    DocumentInfo(QString fileTag, QString fileCaption, QString defaultFile, QString dataCaption)
        : FileTag(std::move(fileTag)),
          FileCaption(std::move(fileCaption)),
          DefaultFile(std::move(defaultFile)),
          DataCaption(std::move(dataCaption)) {}

    QString FileTag;
    QString FileCaption;
    QString DefaultFile;
    QString DataCaption;

    // Empty while the document is untitled.
    const QString& FileName() const { return fileName_; }
    bool Dirty() const { return dirty_; }

  private:
    friend class Documents;
    QString fileName_;
    bool dirty_ = false;
};

}  // namespace kilnward::documents
