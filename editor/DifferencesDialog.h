#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "documents/FieldDifferences.h"

class QLabel;
class QTreeWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::editor {

// The list of fields that differ, one row each: the field (place and caption), the two
// values and the document. The changes since the last load or receive and the comparisons
// with an analyser or with files all show in it; only the title and the two value columns'
// headers tell them apart.
class DifferencesDialog : public QDialog {
  public:
    struct Texts {
        QString title;
        QString beforeHeader;
        QString afterHeader;
    };

    DifferencesDialog(const Texts& texts, const std::vector<documents::FieldDifference>& rows,
                      app::Translator& translator, QWidget* parent = nullptr);

    QTreeWidget& list() { return *list_; }
    QString summary() const;

  private:
    QLabel* summary_;
    QTreeWidget* list_;
};

}  // namespace kilnward::editor
