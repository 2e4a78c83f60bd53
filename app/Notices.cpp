#include "app/Notices.h"

#include <QSet>
#include <QTextStream>

#include "app/SubstituteArguments.h"

namespace kilnward::app {

namespace {

struct NoticeState {
    NoticeSink sink;
    NoticeTranslator translator;
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

void SetNoticeTranslator(NoticeTranslator translator) {
    State().translator = std::move(translator);
}

void TellNotice(const char* key, const char* english, const QStringList& arguments) {
    const NoticeTranslator& translator = State().translator;
    TellNotice(translator ? translator(QLatin1String(key), QLatin1String(english), arguments)
                          : SubstituteArguments(QLatin1String(english), arguments));
}

}  // namespace kilnward::app
