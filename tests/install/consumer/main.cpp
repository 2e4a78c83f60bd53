// Frames a request through the installed library.
#include <wirelink/Frame.h>
#include <wirelink/Wirelink.h>

#include <iostream>

int main() {
    const auto frame = wirelink::BuildFrame(0x01, 0x0A, 0x00, 0x03, {});
    if (!frame) {
        return 1;
    }
    std::cout << wirelink::HexBytes(*frame) << '\n' << wirelink::Wirelink::kClassId << '\n';
    return 0;
}
