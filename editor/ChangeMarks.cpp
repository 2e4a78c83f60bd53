#include "editor/ChangeMarks.h"

#include <QEvent>
#include <QWidget>

#include "app/Translator.h"
#include "documents/ChangeTracker.h"
#include "editor/Binder.h"
#include "editor/Binding.h"
#include "form/Form.h"

namespace kilnward::editor {

namespace {

constexpr int kMarkWidth = 3;
// Gap between the mark and the field: inside the layout's spacing before the field.
constexpr int kMarkGap = 2;

QString ChangedWord(app::Translator& translator) {
    return app::Translated(translator, "fieldchanged", "changed");
}

QString MarkTip(app::Translator& translator) {
    return app::Translated(translator, "fieldchangedtip", "Changed since the last load or receive");
}

}  // namespace

ChangeMarks::ChangeMarks(Binder& binder, form::Form& form, documents::ChangeTracker& changes,
                         app::Translator& translator)
    : binder_(binder), form_(form), changes_(changes), translator_(translator) {
    form_.addListener(this);
    changes_.addListener(this);
    refreshAll();
}

ChangeMarks::~ChangeMarks() {
    changes_.removeListener(this);
    form_.removeListener(this);
}

bool ChangeMarks::isMarked(const form::FormItem& item) const {
    const Binding* binding = binder_.find(item);
    return binding && binding->widget() && changed_.value(binding->widget(), false);
}

void ChangeMarks::retranslate() {
    for (auto mark = marks_.cbegin(); mark != marks_.cend(); ++mark) {
        show(*mark.key(), changed_.value(mark.key(), false));
    }
}

void ChangeMarks::itemChanged(form::FormItem& item, form::ItemChange change,
                              form::ChangeOrigin /*origin*/) {
    if (change == form::ItemChange::Value || change == form::ItemChange::Nodes) {
        refresh(item);
    }
}

void ChangeMarks::baselineTaken() {
    refreshAll();
}

void ChangeMarks::refresh(const form::FormItem& item) {
    const Binding* binding = binder_.find(item);
    if (binding && binding->widget()) {
        show(*binding->widget(), changes_.isChanged(item));
    }
}

void ChangeMarks::refreshAll() {
    for (const form::FormItem* item : form_.items()) {
        refresh(*item);
    }
}

void ChangeMarks::show(QWidget& field, bool changed) {
    changed_.insert(&field, changed);
    QWidget* mark = marks_.value(&field, nullptr);
    if (!mark && !changed) {
        return;  // never marked: nothing to take back
    }
    if (!mark && field.parentWidget()) {
        mark = new QWidget(field.parentWidget());
        mark->setObjectName(QStringLiteral("changemark"));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->setAutoFillBackground(true);
        QPalette palette = mark->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
        mark->setPalette(palette);
        marks_.insert(&field, mark);
        field.installEventFilter(this);
    }
    const QString key = field.objectName();
    field.setAccessibleDescription(
        changed ? key + QStringLiteral(" (") + ChangedWord(translator_) + u')' : key);
    if (mark) {
        mark->setToolTip(MarkTip(translator_));
        place(field, *mark);
        mark->setVisible(changed && !field.isHidden());
    }
}

void ChangeMarks::place(QWidget& field, QWidget& mark) const {
    const QRect area = field.geometry();
    mark.setGeometry(area.left() - kMarkGap - kMarkWidth, area.top() + 1, kMarkWidth,
                     std::max(1, area.height() - 2));
    mark.raise();
}

bool ChangeMarks::eventFilter(QObject* watched, QEvent* event) {
    auto* field = static_cast<QWidget*>(watched);
    QWidget* mark = marks_.value(field, nullptr);
    if (mark) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                place(*field, *mark);
                break;
            case QEvent::Show:
            case QEvent::Hide:
                mark->setVisible(changed_.value(field, false) && !field->isHidden());
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kilnward::editor
