#pragma once

#include <QStatusBar>

#include <cstdint>

class QLabel;

namespace kilnward::dialogs {
class frmconfig;
}

namespace kilnward::editor {

// The main window's status bar: the port, address and model the next transfer uses, and
// the outcome line of the last transfer.
class StatusLine : public QStatusBar {
  public:
    explicit StatusLine(QWidget* parent = nullptr);

    // The link as `settings` keeps it, with the model's name.
    void showLink(const dialogs::frmconfig& settings, const QString& model);
    void showOutcome(const QString& text);

    QString linkText() const;
    QString outcomeText() const;

  private:
    QLabel* link_;
    QLabel* outcome_;
};

}  // namespace kilnward::editor
