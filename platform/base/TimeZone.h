#pragma once
// The local time zone, read once per process.

namespace vb {

// Every local date the program makes (thousands per list) goes through mktime, and with TZ unset the C
// library checks the zone file again on each call. Naming the same file in TZ keeps the zone loaded:
// a TZ already set is left as it is. Call at the start of main, before any thread is started.
void pinTimeZone();

}  // namespace vb
