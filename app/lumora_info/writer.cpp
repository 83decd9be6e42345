#include "app/lumora_info/writer.h"

#include "app/lumora_info/full_writer.h"
#include "app/lumora_info/json_writer.h"
#include "app/lumora_info/text_writer.h"

namespace {

constexpr Writer kWriters[] = {
    {"text", TextFileHeader, TextFile, TextDvd, TextCatalogue, TextFailure},
    {"json", JsonFileHeader, JsonFile, JsonDvd, JsonCatalogue, JsonFailure},
    {"full", TextFileHeader, FullFile, FullDvd, FullCatalogue, TextFailure},
};

}  // namespace

const Writer& DefaultWriter() { return kWriters[0]; }

const Writer* FindWriter(std::string_view name) {
    for (const Writer& writer : kWriters)
        if (writer.name == name) return &writer;
    return nullptr;
}

std::string WriterNames() {
    std::string names;
    for (const Writer& writer : kWriters)
        names += (names.empty() ? "" : ", ") + std::string(writer.name);
    return names;
}
