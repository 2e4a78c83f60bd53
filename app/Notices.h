#pragma once

#include <QString>

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

}  // namespace kilnward::app
