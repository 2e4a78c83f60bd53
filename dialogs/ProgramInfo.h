#pragma once

#include <QString>

namespace kilnward::app {
class Translator;
}

namespace kilnward::dialogs {

// The program's version information as the splash window and the about box show it.
// The company name and the legal notice joined by ", ".
QString CompanyLine(app::Translator& translator);
// What the program is, in one line.
QString CommentsText(app::Translator& translator);

}  // namespace kilnward::dialogs
