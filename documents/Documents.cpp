#include "documents/Documents.h"

#include <algorithm>
#include <stdexcept>

#include "form/FormItem.h"

namespace kilnward::documents {

Documents::Documents()
    : documents_{{
          {"Kcfg", "Configuration file", "Default.cf1", "Configuration data"},
          {"Kfue", "Fuels file", "Default.fu1", "Fuels data"},
          {"Khdr", "Header file", "Default.hd1", "Header data"},
          {"Klaw", "Law file", "Default.la1", "Law data"},
          {"Ksrv", "Service file", "Default.sr1", "Service data"},
      }} {}

namespace {

size_t Checked(int document) {
    if (document < 0 || document >= kDocumentCount) {
        throw std::out_of_range("no such document");
    }
    return static_cast<size_t>(document);
}

}  // namespace

DocumentInfo& Documents::at(int document) {
    return documents_[Checked(document)];
}

const DocumentInfo& Documents::operator[](int document) const {
    return documents_[Checked(document)];
}

void Documents::setFileName(int document, const QString& fileName) {
    DocumentInfo& info = at(document);
    if (info.fileName_ != fileName) {
        info.fileName_ = fileName;
        announce(document, DocumentChange::FileName);
    }
}

void Documents::setDirty(int document, bool dirty) {
    DocumentInfo& info = at(document);
    if (info.dirty_ != dirty) {
        info.dirty_ = dirty;
        announce(document, DocumentChange::Dirty);
    }
}

void Documents::addListener(DocumentsListener* listener) {
    listeners_.push_back(listener);
}

void Documents::removeListener(DocumentsListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void Documents::announce(int document, DocumentChange change) {
    // A listener may remove itself while being told.
    const std::vector<DocumentsListener*> current = listeners_;
    for (DocumentsListener* listener : current) {
        listener->documentChanged(document, change);
    }
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
        setDirty(document, true);
    }
}

void Documents::cleardirtyall() {
    for (int d = 0; d < kDocumentCount; ++d) {
        setDirty(d, false);
    }
}

bool Documents::anyDirty() const {
    return std::any_of(documents_.begin(), documents_.end(),
                       [](const DocumentInfo& info) { return info.Dirty(); });
}

}  // namespace kilnward::documents
