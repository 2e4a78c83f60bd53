#pragma once

#include <QDialog>

#include <vector>

#include "form/FieldFinder.h"
#include "form/FormListener.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class MainForm;
}

namespace kilnward::editor {

class Binder;

// "Find field" (Edit menu, the platform's Find key): a small box beside the window where the
// user types part of a caption and picks one of the fields found, each shown with the page
// and tab it is on. Choosing one opens its page and tab and puts the cursor in it. What is
// found and where it is comes from the core's field finder; the box only shows it. While it
// is open, the list follows what changes the fields on offer or their captions (a model, a
// language, an undo).
class FindFieldBox : public QDialog, public form::FormListener {
    Q_OBJECT

  public:
    FindFieldBox(form::MainForm& window, Binder& binder, app::Translator& translator,
                 QWidget* parent);
    ~FindFieldBox() override;

    // Shows the box in the current language, its text selected for typing over.
    void start();
    // Types `text` as the search (the tests and the screenshots).
    void search(const QString& text);
    // Goes to the field of row `row` of the list.
    void choose(int row);

    QLineEdit& query() const { return *query_; }
    QListWidget& results() const { return *results_; }

    // form::FormListener
    void itemChanged(form::FormItem& item, form::ItemChange change,
                     form::ChangeOrigin origin) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void translate();
    void showMatches();
    // Shows the matches again once the changes under way are over, keeping the row chosen.
    void refreshSoon();

    form::MainForm& window_;
    Binder& binder_;
    app::Translator& translator_;
    form::FieldFinder finder_;
    std::vector<form::FieldFinder::Match> matches_;
    QLabel* prompt_;
    QLineEdit* query_;
    QListWidget* results_;
    QLabel* outcome_;
    bool refreshPending_ = false;
};

}  // namespace kilnward::editor
