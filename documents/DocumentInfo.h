#pragma once

#include <QString>

namespace kilnward::documents {

// One document kind: its file-type tag (also the suffix of its controls' tags), the
// untranslated names of its files and its data, its current file and unsaved-changes flag.
struct DocumentInfo {
    QString FileTag;
    QString FileCaption;
    // Empty while the document is untitled.
    QString FileName;
    QString DefaultFile;
    bool Dirty = false;
    QString DataCaption;
};

}  // namespace kilnward::documents
