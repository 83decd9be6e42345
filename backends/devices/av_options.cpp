#include "backends/devices/av_options.h"

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
#include <libavutil/samplefmt.h>
}

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>

#include "backends/devices/av_result.h"

namespace lumora::devices {

namespace {

// Child classes nest rarely and shallowly; the limit guards against a cycle.
constexpr int kMaxChildDepth = 4;

struct AVFreeDeleter {
    void operator()(uint8_t* text) const { av_free(text); }
};
using AVText = std::unique_ptr<uint8_t, AVFreeDeleter>;

const char* TypeName(int type) {
    switch (type) {
        case AV_OPT_TYPE_FLAGS: return "flags";
        case AV_OPT_TYPE_INT: return "int";
        case AV_OPT_TYPE_INT64: return "int64";
        case AV_OPT_TYPE_DOUBLE: return "double";
        case AV_OPT_TYPE_FLOAT: return "float";
        case AV_OPT_TYPE_STRING: return "string";
        case AV_OPT_TYPE_RATIONAL: return "rational";
        case AV_OPT_TYPE_BINARY: return "binary";
        case AV_OPT_TYPE_DICT: return "dictionary";
        case AV_OPT_TYPE_UINT64: return "uint64";
        case AV_OPT_TYPE_IMAGE_SIZE: return "image_size";
        case AV_OPT_TYPE_PIXEL_FMT: return "pix_fmt";
        case AV_OPT_TYPE_SAMPLE_FMT: return "sample_fmt";
        case AV_OPT_TYPE_VIDEO_RATE: return "video_rate";
        case AV_OPT_TYPE_DURATION: return "duration";
        case AV_OPT_TYPE_COLOR: return "color";
        case AV_OPT_TYPE_BOOL: return "boolean";
        case AV_OPT_TYPE_CHLAYOUT: return "channel_layout";
        default: break;
    }
    // The old channel-layout type, present only in some library versions.
    return "channel_layout";
}

bool IsIntegerType(int type) {
    return type == AV_OPT_TYPE_FLAGS || type == AV_OPT_TYPE_INT || type == AV_OPT_TYPE_INT64 ||
           type == AV_OPT_TYPE_UINT64 || type == AV_OPT_TYPE_BOOL || type == AV_OPT_TYPE_DURATION;
}

bool HasRange(int type) {
    return type == AV_OPT_TYPE_INT || type == AV_OPT_TYPE_INT64 || type == AV_OPT_TYPE_UINT64 ||
           type == AV_OPT_TYPE_DOUBLE || type == AV_OPT_TYPE_FLOAT || type == AV_OPT_TYPE_RATIONAL ||
           type == AV_OPT_TYPE_DURATION || type == AV_OPT_TYPE_FLAGS;
}

std::string IntegerText(int64_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string NumberText(double value) {
    if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < 1e15)
        return IntegerText(static_cast<int64_t>(value));
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The limits named as `ffmpeg -h` names them.
std::string LimitText(double value) {
    struct Named {
        double value;
        const char* name;
    };
    static const Named kNamed[] = {
        {INT_MAX, "INT_MAX"},
        {INT_MIN, "INT_MIN"},
        {UINT32_MAX, "UINT32_MAX"},
        {static_cast<double>(INT64_MAX), "I64_MAX"},
        {static_cast<double>(INT64_MIN), "I64_MIN"},
        {FLT_MAX, "FLT_MAX"},
        {-FLT_MAX, "-FLT_MAX"},
        {FLT_MIN, "FLT_MIN"},
        {DBL_MAX, "DBL_MAX"},
        {-DBL_MAX, "-DBL_MAX"},
        {DBL_MIN, "DBL_MIN"},
    };
    for (const Named& named : kNamed)
        if (value == named.value) return named.name;
    return NumberText(value);
}

// Options are iterated over a class alone by handing av_opt_next a pointer to the class
// pointer, as FFmpeg's own help does.
const AVOption* NextOption(const AVClass* const* avClass, const AVOption* previous) {
    return av_opt_next(avClass, previous);
}

std::vector<const AVOption*> NamedConstants(const AVClass* avClass, const char* unit) {
    std::vector<const AVOption*> constants;
    if (!unit) return constants;
    for (const AVOption* option = nullptr; (option = NextOption(&avClass, option));)
        if (option->type == AV_OPT_TYPE_CONST && option->unit && std::string_view(option->unit) == unit)
            constants.push_back(option);
    return constants;
}

// A value of an option, the default or the one an object holds, before it is put into words.
struct OptionValue {
    int64_t integer = 0;  // integer types, flags, booleans, formats, durations (microseconds)
    double number = 0;    // double, float
    AVRational ratio{0, 1};
    std::string text;  // the types held as text
};

bool HeldAsText(int type) {
    return type == AV_OPT_TYPE_STRING || type == AV_OPT_TYPE_IMAGE_SIZE || type == AV_OPT_TYPE_VIDEO_RATE ||
           type == AV_OPT_TYPE_COLOR || type == AV_OPT_TYPE_DICT || type == AV_OPT_TYPE_CHLAYOUT;
}

OptionValue DefaultValue(const AVOption& option) {
    OptionValue value;
    if (HeldAsText(option.type)) {
        value.text = option.default_val.str ? option.default_val.str : "";
        return value;
    }
    value.integer = option.default_val.i64;
    value.number = option.default_val.dbl;
    value.ratio = av_d2q(option.default_val.dbl, 1 << 24);
    return value;
}

std::string CurrentText(void* target, const char* name, int searchFlags) {
    uint8_t* raw = nullptr;
    if (av_opt_get(target, name, searchFlags, &raw) < 0) return "";
    const AVText text(raw);
    return text ? reinterpret_cast<const char*>(text.get()) : "";
}

OptionValue CurrentValue(void* target, const AVOption& option) {
    OptionValue value;
    if (HeldAsText(option.type) || option.type == AV_OPT_TYPE_BINARY) {
        value.text = CurrentText(target, option.name, 0);
    } else if (option.type == AV_OPT_TYPE_DOUBLE || option.type == AV_OPT_TYPE_FLOAT) {
        av_opt_get_double(target, option.name, 0, &value.number);
    } else if (option.type == AV_OPT_TYPE_RATIONAL) {
        av_opt_get_q(target, option.name, 0, &value.ratio);
    } else {
        av_opt_get_int(target, option.name, 0, &value.integer);
    }
    return value;
}

std::string FlagsText(const std::vector<const AVOption*>& constants, int64_t value) {
    if (value == 0) return "0";
    std::string names;
    int64_t covered = 0;
    for (const AVOption* constant : constants) {
        const int64_t bits = constant->default_val.i64;
        if (bits != 0 && (value & bits) == bits) {
            if (!names.empty()) names += '+';
            names += constant->name;
            covered |= bits;
        }
    }
    if (covered == value) return names;
    char text[24];
    std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
    return text;
}

std::string RatioText(AVRational ratio) {
    if (ratio.den == 1 || ratio.num == 0) return IntegerText(ratio.den == 0 ? 0 : ratio.num);
    if (ratio.den == 0) return ratio.num > 0 ? "inf" : "-inf";
    return IntegerText(ratio.num) + "/" + IntegerText(ratio.den);
}

// A value in the words the page uses for the default and the current value alike: a named
// constant by its name ("medium", not 2), flags as their names joined by '+', numbers as short as
// they are exact ("-1", not "-1.000000"), a ratio as "num/den".
std::string ValueText(const AVClass* avClass, const AVOption& option, const OptionValue& value) {
    const auto constants = NamedConstants(avClass, option.unit);
    switch (option.type) {
        case AV_OPT_TYPE_FLAGS: return FlagsText(constants, value.integer);
        case AV_OPT_TYPE_INT:
        case AV_OPT_TYPE_INT64:
        case AV_OPT_TYPE_UINT64:
            for (const AVOption* constant : constants)
                if (constant->default_val.i64 == value.integer) return constant->name;
            return IntegerText(value.integer);
        case AV_OPT_TYPE_DURATION: return NumberText(static_cast<double>(value.integer) / 1e6);
        case AV_OPT_TYPE_BOOL: return value.integer < 0 ? "auto" : value.integer == 0 ? "false" : "true";
        case AV_OPT_TYPE_DOUBLE:
        case AV_OPT_TYPE_FLOAT:
            for (const AVOption* constant : constants)
                if (constant->default_val.dbl == value.number) return constant->name;
            return NumberText(value.number);
        case AV_OPT_TYPE_RATIONAL: return RatioText(value.ratio);
        case AV_OPT_TYPE_PIXEL_FMT: {
            const char* name = av_get_pix_fmt_name(static_cast<AVPixelFormat>(value.integer));
            return name ? name : "none";
        }
        case AV_OPT_TYPE_SAMPLE_FMT: {
            const char* name = av_get_sample_fmt_name(static_cast<AVSampleFormat>(value.integer));
            return name ? name : "none";
        }
        case AV_OPT_TYPE_BINARY: return value.text;
        default: return HeldAsText(option.type) ? value.text : IntegerText(value.integer);
    }
}

OptionDescription Describe(const AVClass* avClass, const AVOption& option, void* target) {
    OptionDescription description;
    description.group = avClass->class_name ? avClass->class_name : "";
    description.name = option.name;
    description.type = TypeName(option.type);
    description.help = option.help ? option.help : "";
    description.defaultValue = ValueText(avClass, option, DefaultValue(option));
    description.currentValue =
        target ? ValueText(avClass, option, CurrentValue(target, option)) : description.defaultValue;
    // An option with named values offers those: its numeric range says less.
    const bool named = !NamedConstants(avClass, option.unit).empty();
    if (HasRange(option.type) && !named && (option.min != 0 || option.max != 0)) {
        description.minimum = LimitText(option.min);
        description.maximum = LimitText(option.max);
    }
    description.editable = target && !(option.flags & AV_OPT_FLAG_READONLY);
    for (const AVOption* constant : NamedConstants(avClass, option.unit)) {
        OptionChoice choice;
        choice.name = constant->name;
        choice.value = IsIntegerType(option.type) ? IntegerText(constant->default_val.i64)
                                                  : NumberText(constant->default_val.dbl);
        choice.help = constant->help ? constant->help : "";
        description.choices.push_back(std::move(choice));
    }
    return description;
}

void* FindChildObject(void* parent, const AVClass* childClass) {
    if (!parent) return nullptr;
    for (void* child = nullptr; (child = av_opt_child_next(parent, child));)
        if (*static_cast<const AVClass* const*>(child) == childClass) return child;
    return nullptr;
}

void DescribeClass(const AVClass* avClass, void* target, const OptionFilter& keep, bool withChildren,
                   int depth, std::set<const AVClass*>& seen, std::vector<OptionDescription>& out) {
    if (!avClass || !seen.insert(avClass).second) return;
    for (const AVOption* option = nullptr; (option = NextOption(&avClass, option));) {
        if (option->type == AV_OPT_TYPE_CONST || (keep && !keep(*option))) continue;
        out.push_back(Describe(avClass, *option, target));
    }
    if (!withChildren || depth >= kMaxChildDepth) return;
    void* iterator = nullptr;
    while (const AVClass* child = av_opt_child_class_iterate(avClass, &iterator))
        DescribeClass(child, FindChildObject(target, child), keep, withChildren, depth + 1, seen, out);
}

bool HasOptions(const AVClass* avClass, int depth) {
    if (!avClass) return false;
    for (const AVOption* option = nullptr; (option = NextOption(&avClass, option));)
        if (option->type != AV_OPT_TYPE_CONST) return true;
    if (depth >= kMaxChildDepth) return false;
    void* iterator = nullptr;
    while (const AVClass* child = av_opt_child_class_iterate(avClass, &iterator))
        if (HasOptions(child, depth + 1)) return true;
    return false;
}

}  // namespace

bool IsUserOption(const AVOption& option) {
    return option.flags &
           (AV_OPT_FLAG_ENCODING_PARAM | AV_OPT_FLAG_DECODING_PARAM | AV_OPT_FLAG_AUDIO_PARAM |
            AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_SUBTITLE_PARAM | AV_OPT_FLAG_FILTERING_PARAM);
}

std::vector<OptionDescription> DescribeOptions(void* object, const OptionFilter& keep, bool withChildren) {
    std::vector<OptionDescription> options;
    if (!object) return options;
    std::set<const AVClass*> seen;
    DescribeClass(*static_cast<const AVClass* const*>(object), object, keep, withChildren, 0, seen, options);
    return options;
}

bool ClassHasOptions(const AVClass* avClass) { return HasOptions(avClass, 0); }

OptionSetResult SetOptionText(void* object, const std::string& name, const std::string& value,
                              bool searchChildren) {
    OptionSetResult result;
    const int searchFlags = searchChildren ? AV_OPT_SEARCH_CHILDREN : 0;
    void* target = nullptr;
    const AVOption* option =
        object ? av_opt_find2(object, name.c_str(), nullptr, 0, searchFlags, &target) : nullptr;
    if (!option || !target) {
        result.hr = E_INVALIDARG;
        result.message = "no option '" + name + "'";
        return result;
    }
    if (option->flags & AV_OPT_FLAG_READONLY) {
        result.hr = E_ACCESSDENIED;
        result.message = "'" + name + "' is read-only";
    } else if (const int error = av_opt_set(target, name.c_str(), value.c_str(), 0); error < 0) {
        result.hr = HResultFromAVError(error);
        result.message = "'" + value + "' is not a valid value of '" + name + "': " + AVErrorText(error);
    }
    result.currentValue =
        ValueText(*static_cast<const AVClass* const*>(target), *option, CurrentValue(target, *option));
    return result;
}

}  // namespace lumora::devices
