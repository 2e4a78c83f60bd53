#pragma once

#include <QStatusBar>

#include <cstdint>
#include <optional>

#include "transfer/TransferTexts.h"

class QLabel;

namespace kilnward::app {
struct SerialSettings;
class Translator;
}  // namespace kilnward::app

namespace kilnward::editor {

// The main window's status bar: the port, address and model the next transfer uses, and
// the outcome line of the last transfer, which follows a change of language.
class StatusLine : public QStatusBar {
  public:
    explicit StatusLine(app::Translator& translator, QWidget* parent = nullptr);

    // The link as `settings` keeps it, with the model's name.
    void showLink(const app::SerialSettings& settings, const QString& model);
    void showOutcome(const QString& text);
    // The outcome of a transfer of `kind` as its dialog's status line ended (`text`).
    void showOutcome(const QString& text, transfer::TransferKind kind);
    // The outcome line in the current language.
    void retranslate();

    QString linkText() const;
    QString outcomeText() const;

  private:
    app::Translator& translator_;
    QLabel* link_;
    QLabel* outcome_;
    // The transfer text the outcome line shows, when it is one.
    std::optional<transfer::TransferText> outcomeText_;
};

}  // namespace kilnward::editor
