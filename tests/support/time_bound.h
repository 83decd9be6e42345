// Time bounds of tests, stretched where sanitizers slow the code under test down.
#pragma once

#include <chrono>

namespace lumora::testing {

#if defined(__SANITIZE_ADDRESS__)
#define LUMORA_TESTS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMORA_TESTS_SANITIZED 1
#endif
#endif

#ifdef LUMORA_TESTS_SANITIZED
inline constexpr int kSanitizerSlowdown = 4;
#else
inline constexpr int kSanitizerSlowdown = 1;
#endif

// A bound measured in the plain build, for this build.
constexpr std::chrono::milliseconds TimeBound(std::chrono::milliseconds plain) {
    return plain * kSanitizerSlowdown;
}

}  // namespace lumora::testing
