#include "documents/Documents.h"

#include <stdexcept>

#include "form/FormItem.h"

namespace kilnward::documents {

Documents::Documents()
    : documents_{{
          {"Kcfg", "Configuration file", "", "Default.cf1", false, "Configuration data"},
          {"Kfue", "Fuels file", "", "Default.fu1", false, "Fuels data"},
          {"Khdr", "Header file", "", "Default.hd1", false, "Header data"},
          {"Klaw", "Law file", "", "Default.la1", false, "Law data"},
          {"Ksrv", "Service file", "", "Default.sr1", false, "Service data"},
      }} {}

DocumentInfo& Documents::operator[](int document) {
    if (document < 0 || document >= kDocumentCount) {
        throw std::out_of_range("no such document");
    }
    return documents_[static_cast<size_t>(document)];
}

const DocumentInfo& Documents::operator[](int document) const {
    if (document < 0 || document >= kDocumentCount) {
        throw std::out_of_range("no such document");
    }
    return documents_[static_cast<size_t>(document)];
}

int Documents::FindDocumentByTag(const QString& fileTag) const {
    for (int d = 0; d < kDocumentCount; ++d) {
        if (documents_[static_cast<size_t>(d)].FileTag == fileTag) {
            return d;
        }
    }
    return -1;
}

void Documents::MarkDocumentDirty(const form::FormItem& item) {
    const int document = FindDocumentByTag(item.documentTag());
    if (document >= 0) {
        documents_[static_cast<size_t>(document)].Dirty = true;
    }
}

void Documents::cleardirtyall() {
    for (DocumentInfo& info : documents_) {
        info.Dirty = false;
    }
}

bool Documents::anyDirty() const {
    for (const DocumentInfo& info : documents_) {
        if (info.Dirty) {
            return true;
        }
    }
    return false;
}

}  // namespace kilnward::documents
