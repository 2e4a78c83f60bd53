#pragma once

#include <QDialog>

#include <array>

#include "textexport/ExportSelection.h"

class QCheckBox;
class QPushButton;

namespace kilnward::app {
class Translator;
}

namespace kilnward::editor {

// "Select config to print": the sections of the text export, each an independent check box,
// with "Print All" ticked when the dialog opens. OK stores the ticked boxes in the answer's
// selection; Abort (or Escape) marks the answer cancelled. Closing the window with its close
// box does neither, so the export runs with the selection of the previous OK.
class frmPrintConfig : public QDialog {
    Q_OBJECT

  public:
    // The captions come from `translator`.
    frmPrintConfig(textexport::PrintConfigAnswer& answer, app::Translator& translator,
                   QWidget* parent = nullptr);

    QCheckBox* printOption(int index) const {
        return ckPrintOption_.at(static_cast<size_t>(index));
    }
    QPushButton* okButton() const { return cmdOK_; }
    QPushButton* abortButton() const { return cmdAbort_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmdOK_Click();
    void cmdAbort_Click();

    textexport::PrintConfigAnswer& answer_;
    std::array<QCheckBox*, textexport::kExportSectionCount + 1> ckPrintOption_{};
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdAbort_ = nullptr;
};

}  // namespace kilnward::editor
