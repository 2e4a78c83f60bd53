#pragma once

#include <QString>

namespace kilnward::dialogs {

// The program's version information as the splash window and the about box show it.
// The company name and the legal notice joined by ", ".
QString CompanyLine();
// What the program is, in one line.
QString CommentsText();

}  // namespace kilnward::dialogs
