#include "dialogs/ConnectionTestPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Translator.h"
#include "dialogs/ConnectionTester.h"
#include "dialogs/ControlNames.h"
#include "dialogs/WidgetWindow.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

// The width of the result line, in average characters: about the width of the settings.
constexpr int kResultColumns = 52;

// `text` with line breaks between words so that no line is wider than `width` (a word wider
// than that keeps a line of its own). Wrapped here rather than by the label: the dialog keeps
// a fixed size, which takes no account of a wrapping label's height.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines.append(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString ResultText(app::Translator& translator, const transfer::ConnectionCheckResult& result) {
    if (result.ok) {
        return app::Translated(translator, "test_ok",
                               "Connection OK: the analyser's clock reads %1%.",
                               {transfer::AnalyserClockText(result.clock)});
    }
    // A hint says in the user's language what the port's own message says in its terms (and
    // often with advice of its own): shown instead of it, with the message kept as the tip.
    return app::Translated(translator, "test_failed", "The connection failed: %1%",
                           {result.hint.isEmpty() ? result.message : result.hint});
}

}  // namespace

ConnectionTestPanel::ConnectionTestPanel(WidgetWindow& window, ShownSettings settings,
                                         QWidget* parent)
    : QWidget(parent), translator_(window.language()), settings_(std::move(settings)) {
    cmdtest_ = new QPushButton(QStringLiteral("&Test"), this);
    cmdtest_->setAutoDefault(false);
    window.name(*cmdtest_, control::cmdtest);
    lbltestresult_ = new QLabel(this);
    lbltestresult_->setTextFormat(Qt::PlainText);
    lbltestresult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Its text is the outcome of a check, translated when made.
    window.name(*lbltestresult_, control::lbltestresult, {}, QStringLiteral("x"));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(cmdtest_);
    buttonRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttonRow);
    layout->addWidget(lbltestresult_);
    connect(cmdtest_, &QPushButton::clicked, this, [this] { runTest(); });
    setVisible(false);
}

void ConnectionTestPanel::setTester(ConnectionTester* tester) {
    tester_ = tester;
    setVisible(tester_ != nullptr);
}

void ConnectionTestPanel::runTest() {
    if (!tester_ || !cmdtest_->isEnabled()) {
        return;
    }
    cmdtest_->setEnabled(false);
    showResult(app::Translated(translator_, "test_running", "Testing the connection..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const transfer::ConnectionCheckResult result = tester_->check(settings_());
    QApplication::restoreOverrideCursor();
    showResult(ResultText(translator_, result));
    lbltestresult_->setToolTip(result.ok ? QString() : result.message);
    cmdtest_->setEnabled(true);
}

void ConnectionTestPanel::reset() {
    showResult(QString());
    lbltestresult_->setToolTip(QString());
}

void ConnectionTestPanel::showResult(const QString& text) {
    const QFontMetrics metrics = lbltestresult_->fontMetrics();
    lbltestresult_->setText(Wrapped(text, metrics, metrics.averageCharWidth() * kResultColumns));
    lbltestresult_->setVisible(!text.isEmpty());
    // A fixed-size dialog follows a new height only once its layout hears of it, even while
    // it is hidden.
    layout()->invalidate();
    updateGeometry();
}

void ConnectionTestPanel::cancel() {
    if (tester_) {
        tester_->cancel();
    }
}

}  // namespace kilnward::dialogs
