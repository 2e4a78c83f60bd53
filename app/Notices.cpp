#include "app/Notices.h"

#include <QSet>
#include <QTextStream>

namespace kilnward::app {

namespace {

struct NoticeState {
    NoticeSink sink;
    QSet<QString> told;
};

NoticeState& State() {
    static NoticeState state;
    return state;
}

}  // namespace

void SetNoticeSink(NoticeSink sink) {
    State().sink = std::move(sink);
    State().told.clear();
}

void TellNotice(const QString& text) {
    NoticeState& state = State();
    if (state.told.contains(text)) {
        return;
    }
    state.told.insert(text);
    if (state.sink) {
        state.sink(text);
    } else {
        QTextStream(stderr) << text << '\n';
    }
}

}  // namespace kilnward::app
