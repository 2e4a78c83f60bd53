#include "transfer/LinkTrace.h"

#include "app/AtomicFile.h"
#include "transfer/LinkEventText.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

namespace {

// Microseconds as milliseconds with three decimals, right-aligned so the columns line up.
QString Milliseconds(qint64 nanoseconds) {
    return QStringLiteral("%1").arg(static_cast<double>(nanoseconds) / 1e6, 12, 'f', 3);
}

}  // namespace

LinkTrace::LinkTrace() {
    begin();
}

LinkTrace::~LinkTrace() = default;

void LinkTrace::begin() {
    elapsed_.start();
    add(QStringLiteral("# link trace started %1; times in ms since then")
            .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)));
}

bool LinkTrace::writeTo(const QString& path, QString& error) {
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file->errorString());
        return false;
    }
    file_ = std::move(file);
    for (const QString& line : lines_) {
        write(line);
    }
    return true;
}

void LinkTrace::attach(wirelink::Wirelink& link) {
    link.setEventTrace([this](const wirelink::LinkEvent& event) { record(event); });
}

void LinkTrace::record(const wirelink::LinkEvent& event) {
    if (!paused_) {
        add(Milliseconds(elapsed_.nsecsElapsed()) + QStringLiteral("  ") + LinkEventText(event));
    }
}

void LinkTrace::note(const QString& text) {
    if (!paused_) {
        add(Milliseconds(elapsed_.nsecsElapsed()) + QStringLiteral("  note ") + text);
    }
}

void LinkTrace::clear() {
    lines_.clear();
    begin();
}

bool LinkTrace::save(const QString& path, QString& error) const {
    QString why;
    if (!app::WriteFileAtomically(path, (lines_.join(QLatin1Char('\n')) + '\n').toUtf8(), &why)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, why);
        return false;
    }
    return true;
}

void LinkTrace::add(const QString& line) {
    if (lines_.size() >= kKeptLines) {
        lines_.removeFirst();
    }
    lines_.append(line);
    write(line);
    if (listener_) {
        listener_(line);
    }
}

void LinkTrace::write(const QString& line) {
    if (file_) {
        // Flushed at once: a program that crashes later leaves the trace up to here.
        file_->write((line + QLatin1Char('\n')).toUtf8());
        file_->flush();
    }
}

}  // namespace kilnward::transfer
