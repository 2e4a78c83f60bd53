#include "dialogs/LinkTraceWindow.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Translator.h"
#include "app/UserPrompts.h"
#include "dialogs/ControlNames.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

constexpr int kMinimumColumns = 72;
constexpr int kMinimumRows = 10;
constexpr int kColumns = 110;
constexpr int kRows = 28;

}  // namespace

LinkTraceWindow::LinkTraceWindow(language::LanguageManager& language, app::UserPrompts& prompts,
                                 QWidget* parent)
    : QDialog(parent, Qt::Tool),
      window_(language, *this, QStringLiteral("frmlinktrace"),
              [this] {
                  if (txttrace_) {
                      txttrace_->setAccessibleName(windowTitle());
                  }
              }),
      prompts_(prompts) {
    setWindowTitle(QStringLiteral("Link trace"));
    setModal(false);
    trace_.setPaused(true);

    txttrace_ = new QPlainTextEdit(this);
    txttrace_->setReadOnly(true);
    txttrace_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txttrace_->setMaximumBlockCount(static_cast<int>(transfer::LinkTrace::kKeptLines));
    txttrace_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(txttrace_->font());
    // Room for a request frame on one line without scrolling, and a few attempts.
    txttrace_->setMinimumSize(metrics.averageCharWidth() * kMinimumColumns,
                              metrics.height() * kMinimumRows);
    window_.name(*txttrace_, control::txttrace);
    txttrace_->setPlainText(trace_.lines().join(QLatin1Char('\n')));
    trace_.setListener([this](const QString& line) { txttrace_->appendPlainText(line); });

    auto* buttons = new QDialogButtonBox(this);
    auto* cmdsave = buttons->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    window_.name(*cmdsave, control::cmdsave);
    auto* cmdclear = buttons->addButton(QStringLiteral("C&lear"), QDialogButtonBox::ActionRole);
    window_.name(*cmdclear, control::cmdclear);
    auto* cmdclose = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    window_.name(*cmdclose, control::cmdclose);
    for (QPushButton* button : {cmdsave, cmdclear, cmdclose}) {
        button->setAutoDefault(false);
    }
    connect(cmdsave, &QPushButton::clicked, this, [this] { save(); });
    connect(cmdclear, &QPushButton::clicked, this, [this] { clear(); });
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txttrace_, 1);
    layout->addWidget(buttons);
    window_.translateNow();
    resize(metrics.averageCharWidth() * kColumns, metrics.height() * kRows);
}

transfer::LinkTrace* LinkTraceWindow::activeTrace() {
    return trace_.paused() ? nullptr : &trace_;
}

QString LinkTraceWindow::text() const {
    return txttrace_->toPlainText();
}

void LinkTraceWindow::clear() {
    txttrace_->clear();
    // The new heading reaches the window through the listener.
    trace_.clear();
}

void LinkTraceWindow::save() {
    app::Translator& translator = window_.language();
    const std::optional<QString> path = prompts_.chooseFile(
        app::FileChooserMode::Save, QStringLiteral("link-trace.txt"),
        app::Translated(translator, "tracefilter", "Text files") + QStringLiteral(" (*.txt)|*.txt"),
        QStringLiteral("txt"), app::Translated(translator, "tracesavetitle", "Save link trace"));
    if (!path) {
        return;
    }
    QString error;
    if (!trace_.save(*path, error)) {
        prompts_.showError(
            app::Translated(translator, "tracesavefailed", "The trace was not saved: %1%", {error}),
            windowTitle());
    }
}

void LinkTraceWindow::showEvent(QShowEvent* event) {
    trace_.setPaused(false);
    QDialog::showEvent(event);
}

void LinkTraceWindow::hideEvent(QHideEvent* event) {
    trace_.setPaused(true);
    QDialog::hideEvent(event);
}

}  // namespace kilnward::dialogs
