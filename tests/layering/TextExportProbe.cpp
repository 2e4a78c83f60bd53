// Compiled with exactly the include folders that the text export hands to its users: it stands
// on the form and the application shell, beside the documents, and below everything else.
#if !__has_include("textexport/ConfigTextExport.h")
#error "the text export is not reachable from a target linking kilnward_textexport"
#endif
#if !__has_include("form/Form.h") || !__has_include("app/TextFile.h")
#error "the floors below the text export are not reachable from it"
#endif
#if __has_include("documents/Documents.h") ||                               \
                  __has_include("transfer/SectorWalk.h") ||                 \
                                __has_include("commands/MenuCommands.h") || \
                                              __has_include("records/RecordDocument.h")
#error "a floor above the form is reachable from the text export"
#endif
#if __has_include("editor/MainWindow.h") ||                             \
                  __has_include("editor/export/frmPrintConfig.h") ||    \
                                __has_include("dialogs/frmconfig.h") || \
                                              __has_include("cli/CliCommand.h")
#error "a window's or the command line's folder is reachable from the text export"
#endif
#if __has_include(<QWidget>) || __has_include(<QGuiApplication>)
#error "Qt Widgets or Qt GUI is reachable from the text export"
#endif

int main() {
    return 0;
}
