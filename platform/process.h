// Facts of the running process.
#pragma once

#include <unistd.h>

#include <cstdint>

inline uint32_t GetCurrentProcessId() { return static_cast<uint32_t>(getpid()); }
