#pragma once
// The number of the vb::Error a call raises.
#include <functional>

#include "platform/base/VbError.h"

namespace testsupport {

// The error number a call throws, or 0 when it throws nothing.
inline long errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}

}  // namespace testsupport
