#pragma once

namespace kilnward::documents {

// What changed of a document.
enum class DocumentChange { FileName, Dirty };

// Observes the documents' file names and unsaved-changes flags: the window caption and the
// loaded-files window follow them. Told once per real change, never for a value set again.
class DocumentsListener {
  public:
    virtual ~DocumentsListener() = default;
    virtual void documentChanged(int document, DocumentChange change) = 0;
};

}  // namespace kilnward::documents
