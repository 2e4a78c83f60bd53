// Frames a request and opens a link control on a fake port through the installed library.
#include <wirelink/FakeClock.h>
#include <wirelink/FakeCommPort.h>
#include <wirelink/Frame.h>
#include <wirelink/Wirelink.h>

#include <iostream>

int main() {
    const auto frame = wirelink::BuildFrame(0x01, 0x0A, 0x00, 0x03, {});
    if (!frame) {
        return 1;
    }
    wirelink::FakeClock clock;
    wirelink::FakeCommPort port(clock);
    wirelink::Wirelink link(port, nullptr, &clock);
    std::cout << wirelink::HexBytes(*frame) << '\n' << wirelink::Wirelink::kClassId << '\n';
    return 0;
}
