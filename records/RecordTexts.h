#pragma once

#include "transfer/TransferTexts.h"

namespace kilnward::records {

using Text = transfer::TransferText;

// The texts of the printed sheet and of the service report.
inline constexpr Text kSheetTitle{"rec_sheettitle", "Configuration sheet"};
inline constexpr Text kReportSendTitle{"rec_sendtitle", "Service report: configuration sent"};
inline constexpr Text kReportRestoreTitle{"rec_restoretitle",
                                          "Service report: configuration restored from a backup"};
inline constexpr Text kReportBetweenTitle{"rec_betweentitle", "Changes between two backups"};
inline constexpr Text kDateText{"rec_date", "Date and time"};
inline constexpr Text kVersionText{"rec_version", "Program version"};
inline constexpr Text kModelText{"rec_model", "Model"};
inline constexpr Text kAddressText{"rec_address", "Address"};
inline constexpr Text kPortText{"rec_port", "Port"};
inline constexpr Text kTechnicianText{"rec_technician", "Technician"};
inline constexpr Text kCompanyText{"rec_company", "Company"};
inline constexpr Text kBackupText{"rec_backup", "Backup of the analyser before"};
inline constexpr Text kRestoredText{"rec_restored", "Backup restored"};
// A backup named with its time and address: "name.kwb (2026-... UTC+01:00, address 3)".
inline constexpr Text kBackupAtText{"rec_backupat", "%1% (%2%, address %3%)"};
inline constexpr Text kOtherAddressesText{
    "rec_otheraddresses",
    "The backups are of two addresses (%1% and %2%): they may be of two analysers."};
inline constexpr Text kRestoredOtherAddressText{
    "rec_restoredotheraddress",
    "The backup restored and the analyser written are of two addresses (%1% and %2%): they may "
    "be of two analysers."};
inline constexpr Text kBeforeFileText{"rec_beforefile", "Backup before"};
inline constexpr Text kAfterFileText{"rec_afterfile", "Backup after"};
inline constexpr Text kWriteText{"rec_write", "Write"};
inline constexpr Text kWriteDoneText{"rec_writedone", "completed"};
inline constexpr Text kWriteCutText{
    "rec_writecut", "not completed: %1% of %2% blocks acknowledged (bytes 2 to %3%)"};
inline constexpr Text kWriteNoneText{"rec_writenone",
                                     "not completed: no block of %1% acknowledged"};
inline constexpr Text kVerifyText{"rec_verify", "Read-back check"};
inline constexpr Text kVerifyKeptText{"rec_verifykept",
                                      "read back: the analyser kept what was written"};
inline constexpr Text kVerifyOffText{"rec_verifyoff", "not read back"};
inline constexpr Text kVerifyDiffersText{"rec_verifydiffers",
                                         "read back: the analyser did not keep everything: %1%"};
inline constexpr Text kVerifyFailedText{"rec_verifyfailed", "reading back failed: %1%"};
inline constexpr Text kChangesText{"rec_changes",
                                   "Fields whose value in the analyser changed: %1%"};
inline constexpr Text kNoChangesText{"rec_nochanges",
                                     "Nothing changed: the analyser holds the values it held "
                                     "before."};
inline constexpr Text kPlaceText{"rec_place", "Place"};
inline constexpr Text kFieldText{"rec_field", "Field"};
inline constexpr Text kBeforeText{"rec_before", "Before"};
inline constexpr Text kAfterText{"rec_after", "After"};
inline constexpr Text kDocumentText{"rec_document", "Document"};
// The After column when its values were not read from the analyser, and why.
inline constexpr Text kAfterUnverifiedText{"rec_afterunverified", "After (not verified)"};
inline constexpr Text kUnverifiedFailedText{
    "rec_unverifiedfailed",
    "Reading back failed: the After column shows the values written, not values read from the "
    "analyser."};
inline constexpr Text kUnverifiedOffText{
    "rec_unverifiedoff",
    "Not read back: the After column shows the values written, not values read from the "
    "analyser."};
inline constexpr Text kUnverifiedCutText{
    "rec_unverifiedcut",
    "The write did not complete: the After column shows the values of the blocks the analyser "
    "acknowledged, not values read from it; it may hold more or less of them."};
inline constexpr Text kNotGivenText{"rec_notgiven", "(not given)"};
inline constexpr Text kOtherModelsText{
    "rec_othermodels",
    "The backups are of two models (%1% and %2%): a report compares backups of one model"};
inline constexpr Text kPdfFailedText{"rec_pdffailed", "%1% cannot be written: %2%"};

}  // namespace kilnward::records
