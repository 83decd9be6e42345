// AVOptions of an FFmpeg object described in the platform's plain option structures, and set
// back from text.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialog_host.h"

struct AVClass;
struct AVOption;

namespace lumora::devices {

using OptionFilter = std::function<bool(const AVOption& option)>;

// Every option (named constants become choices) of the object's class, then, with children, of
// the classes its class names as children, the way `ffmpeg -h` lists them. `object` is an
// FFmpeg object whose first member is its AVClass pointer. Options of a child class that has
// no live child object show their defaults and cannot be edited.
std::vector<OptionDescription> DescribeOptions(void* object, const OptionFilter& keep, bool withChildren);

// The options a user sets for encoding, decoding or filtering, the ones `ffmpeg -h` shows;
// internal options carry none of these flags.
bool IsUserOption(const AVOption& option);

// Whether the class or one of its child classes has a user option.
bool ClassHasOptions(const AVClass* avClass);

// Sets the option from text; the answer carries the value the object holds afterwards.
OptionSetResult SetOptionText(void* object, const std::string& name, const std::string& value,
                              bool searchChildren);

}  // namespace lumora::devices
