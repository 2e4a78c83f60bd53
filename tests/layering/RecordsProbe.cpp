// Compiled with exactly the include folders that the records library hands to its users:
// Qt GUI is there, Qt Widgets and the window's folders are not.
#if !__has_include("records/RecordDocument.h")
#error "the records folder is not reachable from a target linking kilnward_records"
#endif
#if !__has_include(<QPdfWriter>)
#error "Qt GUI is not reachable from the records"
#endif
#if __has_include(<QWidget>)
#error "Qt Widgets is reachable from the records"
#endif
#if __has_include("editor/MainWindow.h") || __has_include("dialogs/frmconfig.h")
#error "a window's folder is reachable from the records"
#endif

int main() {
    return 0;
}
