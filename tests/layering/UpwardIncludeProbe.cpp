// Compiled with exactly the include folders that the drivers library hands to its users: its
// own folder is reachable, a folder above it is not.
#if !__has_include("drivers/CreateDriver.h")
#error "the drivers folder is not reachable from a target linking kilnward_drivers"
#endif
#if __has_include("form/Form.h")
#error "the form folder is reachable without linking kilnward_form"
#endif
#if __has_include("transfer/TransferSession.h")
#error "the transfer folder is reachable without linking kilnward_transfer"
#endif

int main() { return 0; }
