#include "editor/FindFieldBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Translator.h"
#include "editor/Binder.h"
#include "editor/Binding.h"
#include "editor/FieldPage.h"
#include "form/FormItem.h"
#include "form/MainForm.h"

namespace kilnward::editor {

namespace {

constexpr int kVisibleRows = 12;
constexpr int kWidthInCharacters = 60;

}  // namespace

FindFieldBox::FindFieldBox(form::MainForm& window, Binder& binder, app::Translator& translator,
                           QWidget* parent)
    : QDialog(parent, Qt::Tool),
      window_(window),
      binder_(binder),
      translator_(translator),
      finder_(window),
      prompt_(new QLabel(this)),
      query_(new QLineEdit(this)),
      results_(new QListWidget(this)),
      outcome_(new QLabel(this)) {
    setObjectName(QStringLiteral("findfield"));
    query_->setObjectName(QStringLiteral("findfieldtext"));
    results_->setObjectName(QStringLiteral("findfieldlist"));
    outcome_->setObjectName(QStringLiteral("findfieldoutcome"));
    prompt_->setBuddy(query_);
    query_->setClearButtonEnabled(true);
    query_->installEventFilter(this);
    results_->setUniformItemSizes(true);
    const int rowHeight = fontMetrics().height() + 4;
    results_->setMinimumSize(fontMetrics().averageCharWidth() * kWidthInCharacters,
                             rowHeight * kVisibleRows);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(query_);
    layout->addWidget(results_, 1);
    layout->addWidget(outcome_);
    connect(query_, &QLineEdit::textChanged, this, &FindFieldBox::showMatches);
    connect(query_, &QLineEdit::returnPressed, this, [this] { choose(results_->currentRow()); });
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(results_->row(item)); });
    translate();
    window_.form().addListener(this);
}

FindFieldBox::~FindFieldBox() {
    window_.form().removeListener(this);
}

void FindFieldBox::itemChanged(form::FormItem& /*item*/, form::ItemChange change,
                               form::ChangeOrigin /*origin*/) {
    switch (change) {
        case form::ItemChange::Enabled:
        case form::ItemChange::Visible:
        case form::ItemChange::Caption:
        case form::ItemChange::Tabs:
            refreshSoon();
            break;
        default:
            break;
    }
}

void FindFieldBox::refreshSoon() {
    // A model or a language changes hundreds of items at once: one refresh after them.
    if (!isVisible() || refreshPending_) {
        return;
    }
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        const QListWidgetItem* chosen = results_->currentItem();
        const form::FormItem* field =
            chosen ? matches_[static_cast<size_t>(results_->row(chosen))].field : nullptr;
        translate();
        showMatches();
        for (size_t row = 0; row < matches_.size(); ++row) {
            if (matches_[row].field == field) {
                results_->setCurrentRow(static_cast<int>(row));
            }
        }
    });
}

void FindFieldBox::translate() {
    setWindowTitle(app::Translated(translator_, "findfieldtitle", "Find field"));
    prompt_->setText(
        app::Translated(translator_, "findfieldprompt", "Part of the field's &caption:"));
    query_->setAccessibleName(Binding::ShownText(prompt_->text()));
    results_->setAccessibleName(app::Translated(translator_, "findfieldlist", "Fields found"));
}

void FindFieldBox::start() {
    // The captions and the language may have changed since the box was last open.
    translate();
    showMatches();
    show();
    raise();
    activateWindow();
    query_->selectAll();
    query_->setFocus(Qt::ShortcutFocusReason);
}

void FindFieldBox::search(const QString& text) {
    query_->setText(text);
}

void FindFieldBox::showMatches() {
    matches_ = finder_.find(query_->text());
    results_->clear();
    const QString disabled = app::Translated(translator_, "findfielddisabled", "(disabled)");
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    for (const form::FieldFinder::Match& match : matches_) {
        QString text = match.caption;
        if (!match.path.isEmpty()) {
            text += QStringLiteral(" \u2014 ") + match.path.join(QStringLiteral(" \u203a "));
        }
        auto* row = new QListWidgetItem(results_);
        if (!match.enabled) {
            text += u' ' + disabled;
            row->setForeground(grey);
        }
        row->setText(text);
    }
    results_->setCurrentRow(matches_.empty() ? -1 : 0);
    const bool none = matches_.empty() && !query_->text().trimmed().isEmpty();
    outcome_->setText(
        none ? app::Translated(translator_, "findfieldnone", "No field has such a caption.")
             : QString());
}

void FindFieldBox::choose(int row) {
    if (row < 0 || row >= static_cast<int>(matches_.size())) {
        return;
    }
    const form::FieldFinder::Match match = matches_[static_cast<size_t>(row)];
    hide();
    OpenTabs(match.tabs);
    const Binding* binding = binder_.find(*match.field);
    if (QWidget* field = binding ? binding->widget() : nullptr) {
        field->window()->activateWindow();
        field->setFocus(Qt::ShortcutFocusReason);
    }
}

bool FindFieldBox::eventFilter(QObject* watched, QEvent* event) {
    // Up and down in the text walk the list, so the hand stays on the keys.
    if (watched == query_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QApplication::sendEvent(results_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kilnward::editor
