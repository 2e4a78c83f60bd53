#pragma once

#include <QHash>
#include <QObject>

#include "documents/BaselineListener.h"
#include "form/FormListener.h"

class QWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::documents {
class ChangeTracker;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::editor {

class Binder;

// Marks the fields that differ from the last load or receive: a narrow bar in the highlight
// colour beside the field (a shape, so it reads in grey-scale too) with a tip, and "changed"
// added to the field's accessible description. Follows every value change of the form and
// every new baseline; which field differs is the tracker's answer.
class ChangeMarks : public QObject, public form::FormListener, public documents::BaselineListener {
  public:
    ChangeMarks(Binder& binder, form::Form& form, documents::ChangeTracker& changes,
                app::Translator& translator);
    ~ChangeMarks() override;

    // Whether the field of `item` shows the mark.
    bool isMarked(const form::FormItem& item) const;
    // After a change of language: the tips and descriptions.
    void retranslate();

    // form::FormListener
    void itemChanged(form::FormItem& item, form::ItemChange change,
                     form::ChangeOrigin origin) override;
    // documents::BaselineListener
    void baselineTaken() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh(const form::FormItem& item);
    void refreshAll();
    void show(QWidget& field, bool changed);
    void place(QWidget& field, QWidget& mark) const;

    Binder& binder_;
    form::Form& form_;
    documents::ChangeTracker& changes_;
    app::Translator& translator_;
    // Field widget and its mark, made the first time the field changes.
    QHash<QWidget*, QWidget*> marks_;
    QHash<const QWidget*, bool> changed_;
};

}  // namespace kilnward::editor
