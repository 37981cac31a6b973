#include "platform/device.hpp"

namespace platform {

UIDevice& UIDevice::current() {
    static UIDevice device;
    return device;
}

}  // namespace platform
