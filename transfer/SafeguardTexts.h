#pragma once

#include "transfer/TransferTexts.h"

namespace kilnward::transfer {

// The texts of the backup before a send, the read-back check after it and the restore.
inline constexpr TransferText kBackupSavedText{"bkp_saved", "Backup of the analyser kept in %1%"};
inline constexpr TransferText kBackupFailedText{
    "bkp_failed",
    "The analyser's configuration could not be backed up, so nothing was written to it: %1%"};
inline constexpr TransferText kBackupFolderText{"bkp_nofolder", "the folder %1% cannot be made"};
inline constexpr TransferText kBackupNamesText{"bkp_toomany", "too many backups named %1%"};
inline constexpr TransferText kBackupMissingText{"bkp_missing", "%1% does not exist"};
inline constexpr TransferText kBackupUnreadableText{"bkp_unreadable", "%1% cannot be read: %2%"};
inline constexpr TransferText kBackupWrongSizeText{
    "bkp_wrongsize", "%1% is not a backup of an analyser's configuration: its size is wrong"};
inline constexpr TransferText kBackupBadHeaderText{
    "bkp_badheader",
    "%1% is not a backup of an analyser's configuration: its header is missing or damaged"};
inline constexpr TransferText kBackupOtherModelText{
    "bkp_othermodel",
    "This backup was taken from a %1%; the analyser is a %2%. A configuration can only be "
    "restored into the model it was taken from"};
inline constexpr TransferText kRestoreConfirmText{
    "bkp_confirm",
    "Restore the configuration of the %1% (address %2%) backed up on %3% into the analyser"};
// A backup is written into the analyser at another address than it was taken from only when
// the user said so for that address.
inline constexpr TransferText kRestoreOtherAddressText{
    "bkp_confirmaddr",
    "Backup of the %1% taken on %3%: restore this backup of address %2% into the analyser at "
    "address %4%"};
inline constexpr TransferText kBackupOtherAddressText{
    "bkp_otheraddr",
    "This backup was taken from the analyser at address %1%, not from the one at address %2%"};
inline constexpr TransferText kBackupFilterText{"bkp_filter", "Analyser backups"};
inline constexpr TransferText kBackupChooserTitle{"bkp_choose", "Restore analyser from backup"};

inline constexpr TransferText kVerifyRunningText{"verifyop", "Reading back...In progress"};
inline constexpr TransferText kVerifyFailedText{
    "msg_verifyfailed", "Reading the configuration back found what the analyser did not keep: %1%"};
inline constexpr TransferText kVerifyAdviceText{
    "msg_verifyadvice",
    "Send the configuration again. What the analyser held before is kept in the backup %1%"};
inline constexpr TransferText kReadBackFailedText{
    "msg_readbackfailed",
    "The configuration was written, but reading it back to check it failed: send it again to "
    "be sure. What the analyser held before is kept in the backup %1%"};
inline constexpr TransferText kVerifyReservedText{"verifyreserved", "reserved bytes %1%-%2%"};

// The records kept of a write beside its backup.
inline constexpr TransferText kReportKeptText{"rpt_kept", "Service report kept in %1%"};
inline constexpr TransferText kReportFailedText{
    "rpt_failed", "The analyser was written, but its service report could not be kept: %1%"};
inline constexpr TransferText kWrittenSectorFailedText{
    "rpt_afterfailed",
    "The analyser was written, but the copy of what was written could not be kept: %1%"};

}  // namespace kilnward::transfer
