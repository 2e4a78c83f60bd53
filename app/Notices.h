#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kilnward::app {

// Problems met where no caller can report them: a settings or catalogue file that exists but
// cannot be used (too large, unreadable), a stored setting that is not what it should be.
// They are read key by key from many places, so each text is told once per run. The
// command-line tool prints them on stderr (the default); the window shows them in a message.
using NoticeSink = std::function<void(const QString& text)>;

// Replaces where notices go (an empty sink restores stderr) and forgets what was told.
void SetNoticeSink(NoticeSink sink);
// Tells `text` unless it was told already.
void TellNotice(const QString& text);

// Translates a notice: its key, its English text with "%1%" placeholders, the arguments.
using NoticeTranslator = std::function<QString(const QString& key, const QString& english,
                                               const QStringList& arguments)>;
// Where notices find their language (the window's language manager); an empty one leaves
// them English, as the command line prints them.
void SetNoticeTranslator(NoticeTranslator translator);
// Tells the notice `key` in the language of the moment, unless it was told already.
void TellNotice(const char* key, const char* english, const QStringList& arguments);

}  // namespace kilnward::app
