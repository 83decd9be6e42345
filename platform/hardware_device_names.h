// The names people know for libavutil's hardware device types.
#pragma once

#include <string>
#include <string_view>

// "VAAPI" for "vaapi", "CUDA" for "cuda", "Vulkan" for "vulkan" …; an unknown type in capitals.
std::string HardwareDeviceTypeName(std::string_view type);
