#include "tests/support/QtApplicationEnvironment.h"

namespace kilnward::test {

void QtApplicationEnvironment::SetUp() {
    if (QCoreApplication::instance() == nullptr) {
        app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }
}

void QtApplicationEnvironment::TearDown() {
    app_.reset();
}

}  // namespace kilnward::test
