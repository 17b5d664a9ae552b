#pragma once
// Whether the build runs under AddressSanitizer, and what the lists give up there.

namespace vb {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// A list refill writes each text into a string it already holds alone (a field's text, a grid cell's
// buffer), saving an allocation and a free per cell. A view still held on the old text then reads the new
// one without a sign; under the sanitizer each text is a new string instead, so that view is reported as
// a use after free.
inline constexpr bool kReuseTextBuffers = !kAddressSanitizer;

}  // namespace vb
