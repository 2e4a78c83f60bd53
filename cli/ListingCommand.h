#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>

#include "cli/DocumentOptions.h"
#include "cli/LanguageOption.h"
#include "textexport/ExportSelection.h"

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::cli {

// What the commands that write the configuration listing share (export as text, print as
// PDF): the document options, --sections LIST, --language N and the file to write, named by
// the option `outOption`.
class ListingCommand {
  public:
    // Writes `lines`, the listing of the sections chosen, for `session`; false after
    // printing why it could not.
    using Write = std::function<bool(documents::MainWindowSession& session,
                                     const QStringList& lines, const QString& out)>;

    ListingCommand(QString outOption, QString outHelp);

    // Adds --sections, --language and the output option (the document options are added
    // by DocumentOptions::parse's caller).
    void addTo(QCommandLineParser& parser) const;
    // Parses, resets and loads the documents in the language chosen, builds the listing
    // and hands it to `write`. The exit code.
    int run(QCommandLineParser& parser, const QStringList& arguments, const Write& write);

  private:
    bool read(const QCommandLineParser& parser, QString& error);
    int write(const QCommandLineParser& parser, const Write& write) const;

    QString outOption_;
    QString outHelp_;
    DocumentOptions documents_;
    textexport::ExportSelection selection_{};
    LanguageOption language_;
    QString out_;
};

}  // namespace kilnward::cli
