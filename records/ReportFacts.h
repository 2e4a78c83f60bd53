#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace kilnward::app {
class Translator;
}

namespace kilnward::records {

// Who made a record, of what and when: the head of the printed sheet and of every report.
struct ReportFacts {
    QDateTime time;
    std::uint8_t model = 0;
    std::optional<std::uint8_t> addr;
    QString port;  // empty: no port was involved (a sheet, two backups)
    QString technician;
    QString company;

    // The time now and the technician and company of the settings (Config.ini [Report]).
    static ReportFacts Now(std::uint8_t model);
};

// A moment with its offset from UTC, so the record says when wherever it is read:
// "2026-12-08 14:05:09 UTC+01:00".
QString TimeWithOffset(const QDateTime& time);
// The offset of `time` from UTC as ISO 8601 writes it: "+01:00", "+00:00", "-05:00".
QString UtcOffsetText(const QDateTime& time);

// The rows of the head, each a translated name and its value, in the order they show.
std::vector<std::pair<QString, QString>> FactRows(const ReportFacts& facts,
                                                  app::Translator& translator);

}  // namespace kilnward::records
