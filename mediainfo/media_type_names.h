// Names of major types, subtypes and format types, and the property each goes to.
#pragma once

#include <string>
#include <string_view>

#include "platform/guid.h"

// Which of the component's three properties of a kind (video, audio, other) receives a name.
enum class TypeTarget { Video, Audio, Other };

struct TypeName {
    std::string_view name;
    TypeTarget target;
};

// "Unknown" for OtherMajorType when the major type is not listed.
TypeName MajorTypeName(const GUID& majorType);
// "UnKnown " (trailing space) for OtherSubType when the subtype is not listed.
TypeName SubTypeName(const GUID& subType);
// Name of a format block kind the analysis does not examine; "Unknown" when not listed.
std::string_view FormatTypeName(const GUID& formatType);
