#include "cli/TerminalProgress.h"

#include <QTextStream>

#include <unistd.h>

namespace kilnward::cli {

TerminalProgress::TerminalProgress(std::FILE* status, std::FILE* progress)
    : status_(status), progress_(progress), terminal_(isatty(fileno(progress)) != 0) {}

TerminalProgress::~TerminalProgress() {
    endProgressLine();
}

void TerminalProgress::setProgress(int percent) {
    if (!terminal_ || percent == shown_) {
        return;
    }
    shown_ = percent;
    lineOpen_ = true;
    QTextStream(progress_) << '\r' << statusText_ << ' '
                           << QString::number(percent).rightJustified(3) << '%';
}

void TerminalProgress::setStatus(const QString& text) {
    endProgressLine();
    statusText_ = text;
    QTextStream(status_) << text << Qt::endl;
}

void TerminalProgress::setRunning(bool running) {
    if (!running) {
        endProgressLine();
    }
}

void TerminalProgress::endProgressLine() {
    if (lineOpen_) {
        QTextStream(progress_) << '\n';
        lineOpen_ = false;
        shown_ = -1;
    }
}

}  // namespace kilnward::cli
