// Compiled with exactly the include folders that kilnward-cli's own sources are given: the
// headless floors and the records are there, no folder of a window and no Qt Widgets.
#if !__has_include("cli/CliCommand.h") ||                                         \
                   !__has_include("textexport/ConfigTextExport.h") ||             \
                                  !__has_include("transfer/TransferSession.h") || \
                                                 !__has_include("records/RecordDocument.h")
#error "the folders the command line is built from are not reachable from it"
#endif
#if __has_include("editor/MainWindow.h") || __has_include("editor/export/RunTextExport.h") || \
                                                          __has_include("dialogs/frmconfig.h")
#error "a window's folder is reachable from the command line"
#endif
#if __has_include(<QWidget>)
#error "Qt Widgets is reachable from the command line"
#endif

int main() {
    return 0;
}
