#pragma once

#include <QDialog>

#include <vector>

#include "form/FieldFinder.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace kilnward::form {
class MainForm;
}

namespace kilnward::editor {

class Binder;
class ExtraMenus;

// "Find field" (Edit menu, the platform's Find key): a small box beside the window where the
// user types part of a caption and picks one of the fields found, each shown with the page
// and tab it is on. Choosing one opens its page and tab and puts the cursor in it. What is
// found and where it is comes from the core's field finder; the box only shows it.
class FindFieldBox : public QDialog {
    Q_OBJECT

  public:
    FindFieldBox(form::MainForm& window, Binder& binder, ExtraMenus& menus, QWidget* parent);

    // Shows the box in the current language, its text selected for typing over.
    void start();
    // Types `text` as the search (the tests and the screenshots).
    void search(const QString& text);
    // Goes to the field of row `row` of the list.
    void choose(int row);

    QLineEdit& query() const { return *query_; }
    QListWidget& results() const { return *results_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void translate();
    void showMatches();

    form::MainForm& window_;
    Binder& binder_;
    form::FieldFinder finder_;
    std::vector<form::FieldFinder::Match> matches_;
    QLabel* prompt_;
    QLineEdit* query_;
    QListWidget* results_;
    QLabel* outcome_;
};

}  // namespace kilnward::editor
