#pragma once

#include <QString>

#include <array>
#include <vector>

#include "documents/DocumentInfo.h"
#include "documents/DocumentsListener.h"

namespace kilnward::form {
class FormItem;
}

namespace kilnward::documents {

inline constexpr int kDocumentCount = 5;
inline constexpr int kConfigurationDocument = 0;
inline constexpr int kFuelsDocument = 1;
inline constexpr int kHeaderDocument = 2;
inline constexpr int kLawDocument = 3;
inline constexpr int kServiceDocument = 4;

// The five document kinds, in the order every command on all documents visits them, with
// their file names and dirty state; a change of either is told to the listeners.
class Documents {
  public:
    Documents();

    // Throw std::out_of_range for a number outside 0..4.
    const DocumentInfo& operator[](int document) const;
    static constexpr int count() { return kDocumentCount; }

    // An empty name makes the document untitled.
    void setFileName(int document, const QString& fileName);
    void setDirty(int document, bool dirty);
    void addListener(DocumentsListener* listener);
    void removeListener(DocumentsListener* listener);

    // Index of the document with this file-type tag, -1 when none.
    int FindDocumentByTag(const QString& fileTag) const;
    // The document named by the last four characters of the item's tag becomes changed.
    void MarkDocumentDirty(const form::FormItem& item);
    void cleardirtyall();
    bool anyDirty() const;

  private:
    DocumentInfo& at(int document);
    void announce(int document, DocumentChange change);

    std::array<DocumentInfo, kDocumentCount> documents_;
    std::vector<DocumentsListener*> listeners_;
};

}  // namespace kilnward::documents
