#include "records/ReportFacts.h"

#include <cstdlib>

#include "app/PortChoice.h"
#include "app/ReportSettings.h"
#include "app/VersionString.h"
#include "records/RecordTexts.h"
#include "transfer/SectorBackup.h"

namespace kilnward::records {

namespace {

QString OrNotGiven(const QString& value, app::Translator& translator) {
    return value.trimmed().isEmpty() ? kNotGivenText.translated(translator) : value;
}

}  // namespace

ReportFacts ReportFacts::Now(std::uint8_t model) {
    ReportFacts facts;
    facts.time = QDateTime::currentDateTime();
    facts.model = model;
    facts.technician = app::ReadConfigValue(app::config::ReportTechnician);
    facts.company = app::ReadConfigValue(app::config::ReportCompany);
    return facts;
}

QString UtcOffsetText(const QDateTime& time) {
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(QChar(offset < 0 ? u'-' : u'+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString TimeWithOffset(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" UTC") +
           UtcOffsetText(time);
}

std::vector<std::pair<QString, QString>> FactRows(const ReportFacts& facts,
                                                  app::Translator& translator) {
    std::vector<std::pair<QString, QString>> rows;
    rows.emplace_back(kDateText.translated(translator), TimeWithOffset(facts.time));
    rows.emplace_back(kVersionText.translated(translator),
                      app::ApplicationTitle() + u' ' + app::VersionString());
    rows.emplace_back(
        kModelText.translated(translator),
        QStringLiteral("%1 (%2)").arg(transfer::BackupModelName(facts.model)).arg(facts.model));
    if (facts.addr) {
        rows.emplace_back(kAddressText.translated(translator), QString::number(*facts.addr));
    }
    if (!facts.port.isEmpty()) {
        rows.emplace_back(kPortText.translated(translator),
                          app::PortChoice::fromStored(facts.port).caption(translator));
    }
    rows.emplace_back(kTechnicianText.translated(translator),
                      OrNotGiven(facts.technician, translator));
    rows.emplace_back(kCompanyText.translated(translator), OrNotGiven(facts.company, translator));
    return rows;
}

}  // namespace kilnward::records
