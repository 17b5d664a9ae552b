#include "platform/base/TimeZone.h"

#include <cstdlib>
#include <ctime>

namespace vb {

void pinTimeZone() {
    // ":/etc/localtime" is the file the C library reads when TZ is unset, so the zone stays the same.
    setenv("TZ", ":/etc/localtime", 0);
    tzset();
}

}  // namespace vb
