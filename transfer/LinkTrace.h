#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace wirelink {
class Wirelink;
struct LinkEvent;
}  // namespace wirelink

namespace kilnward::transfer {

// A trace of a link as plain text lines: every frame in both directions, the outcome of every
// attempt, and notes (the port opened or closed), each after its time in milliseconds since
// the trace began (monotonic); the first line gives the wall time (UTC) of that beginning.
// Lines go to a file, written through as they come so that a crash keeps what was traced,
// and are kept for a window (at most kKeptLines, the oldest dropped first).
//
// The trace must outlive every link it is attached to, or the link must be destroyed or
// given another event trace first.
class LinkTrace {
  public:
    static constexpr qsizetype kKeptLines = 100000;
    using Listener = std::function<void(const QString& line)>;

    LinkTrace();
    ~LinkTrace();
    LinkTrace(const LinkTrace&) = delete;
    LinkTrace& operator=(const LinkTrace&) = delete;

    // Writes the trace into `path` from now on (replacing the file), starting with the lines
    // kept so far. False with the reason when the file cannot be written.
    bool writeTo(const QString& path, QString& error);
    // Called with every new line (a window showing the trace as it grows).
    void setListener(Listener listener) { listener_ = std::move(listener); }
    // While paused, events are not recorded.
    void setPaused(bool paused) { paused_ = paused; }
    bool paused() const { return paused_; }

    // Makes `link` report its events here.
    void attach(wirelink::Wirelink& link);
    void record(const wirelink::LinkEvent& event);
    // A line of the host's own ("receive started").
    void note(const QString& text);

    // The lines kept, the heading first.
    const QStringList& lines() const { return lines_; }
    // Starts afresh: the lines dropped, the time and the heading new.
    void clear();
    // The kept lines into `path`, replacing it whole. False with the reason on failure.
    bool save(const QString& path, QString& error) const;

  private:
    void begin();
    void add(const QString& line);
    void write(const QString& line);

    QElapsedTimer elapsed_;
    QStringList lines_;
    std::unique_ptr<QFile> file_;
    Listener listener_;
    bool paused_ = false;
};

}  // namespace kilnward::transfer
