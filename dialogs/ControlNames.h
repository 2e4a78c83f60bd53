#pragma once

// The names the program's windows give their own controls: a control's key is its window's
// name, "!" and this name (frmconfig!lstport), by which its caption is translated and tests
// find it. A name mistyped in code then fails to build; tests prove each one names a control
// of a dialog or of an editor window. Each constant is spelled exactly as the name it holds.
// Windows share a name where their controls do the same thing (cmdOK).
#define KILNWARD_DIALOG_CONTROLS(X) \
    X(barprogress)                  \
    X(cbobaud)                      \
    X(chkinfrared)                  \
    X(chkLoadTipsAtStartup)         \
    X(chkverify)                    \
    X(cmdAbort)                     \
    X(cmdCancel)                    \
    X(cmdclear)                     \
    X(cmdclose)                     \
    X(cmdNextTip)                   \
    X(cmdOK)                        \
    X(cmdsave)                      \
    X(cmdtest)                      \
    X(fraconf)                      \
    X(frareport)                    \
    X(lbladdress)                   \
    X(lblbaudrate)                  \
    X(lblcompany)                   \
    X(lblDidYouKnow)                \
    X(lblfilesloaded)               \
    X(lblinfo)                      \
    X(lbllanguages)                 \
    X(lblProductName)               \
    X(lblprogress)                  \
    X(lblserialport)                \
    X(lblstatus)                    \
    X(lblswcode)                    \
    X(lbltechnician)                \
    X(lbltestresult)                \
    X(lblTipText)                   \
    X(lblTitle)                     \
    X(lblVersioncode)               \
    X(lstlang)                      \
    X(lstport)                      \
    X(TDBnumaddress)                \
    X(txtcompany)                   \
    X(txttechnician)                \
    X(txttrace)

// The editor's own windows beside the main window (backups, differences, parameters).
#define KILNWARD_EDITOR_WINDOW_CONTROLS(X) \
    X(cboaddress)                          \
    X(cbomodel)                            \
    X(cmdcompare)                          \
    X(cmddelete)                           \
    X(cmdfolder)                           \
    X(cmdreport)                           \
    X(cmdrestore)                          \
    X(lblsummary)                          \
    X(lstbackups)                          \
    X(lstdifferences)                      \
    X(trvtotparam)

namespace kilnward::dialogs::control {

#define KILNWARD_DECLARE_CONTROL(name) inline constexpr char name[] = #name;
KILNWARD_DIALOG_CONTROLS(KILNWARD_DECLARE_CONTROL)
KILNWARD_EDITOR_WINDOW_CONTROLS(KILNWARD_DECLARE_CONTROL)
#undef KILNWARD_DECLARE_CONTROL

// Every name of each list, for the tests that each names a control.
#define KILNWARD_LIST_CONTROL(name) name,
inline constexpr const char* kDialogs[] = {KILNWARD_DIALOG_CONTROLS(KILNWARD_LIST_CONTROL)};
inline constexpr const char* kEditorWindows[] = {
    KILNWARD_EDITOR_WINDOW_CONTROLS(KILNWARD_LIST_CONTROL)};
#undef KILNWARD_LIST_CONTROL

}  // namespace kilnward::dialogs::control
