// The installed encoders of libavcodec as members of the compressor categories.
#pragma once

#include <string>

#include "backends/devices/device_member.h"

struct AVCodec;

namespace lumora::devices {

// In libavcodec's own order.
MemberList VideoEncoderMembers();
MemberList AudioEncoderMembers();

// The encoder's RIFF FourCC as text ("H264", "FMP4"), or empty when it has none that prints.
std::string EncoderFourCC(const AVCodec* codec);

}  // namespace lumora::devices
