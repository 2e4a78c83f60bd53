#pragma once

#include <QString>

#include <array>

#include "documents/DocumentInfo.h"

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
// their dirty state.
class Documents {
  public:
    Documents();

    DocumentInfo& operator[](int document);
    const DocumentInfo& operator[](int document) const;
    static constexpr int count() { return kDocumentCount; }

    // Index of the document with this file-type tag, -1 when none.
    int FindDocumentByTag(const QString& fileTag) const;
    // The document named by the last four characters of the item's tag becomes changed.
    void MarkDocumentDirty(const form::FormItem& item);
    void cleardirtyall();
    bool anyDirty() const;

  private:
    std::array<DocumentInfo, kDocumentCount> documents_;
};

}  // namespace kilnward::documents
