#include "app/details_content.h"

#include <QFile>
#include <filesystem>

#include "app/lumora_info/analysed_file.h"
#include "app/lumora_info/writer.h"
#include "app/page_text/dvd_details_report.h"
#include "app/page_text/file_details_report.h"
#include "component/lumoram.h"

namespace {

QString DecodedName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

// The JSON writer's row: the window saves exactly what lumora_info --json prints.
const Writer& Json() {
    static const Writer& writer = *FindWriter("json");
    return writer;
}

}  // namespace

std::shared_ptr<const TDetailsContent> FileDetailsContent(TKxLumora& lumora) {
    lumora.ProbeHardwareDecoding();
    Report report = FileDetailsReport(lumora);
    if (report.empty()) return nullptr;
    const std::string& path = lumora.AnalysedFileName();
    return std::make_shared<const TDetailsContent>(
        TDetailsContent{DecodedName(std::filesystem::path(path).filename().string()), std::move(report),
                        Json().file(AnalysedFileRecord(path, lumora)), path});
}

std::shared_ptr<const TDetailsContent> DvdDetailsContent(const TKxLumora& lumora) {
    Report report = DvdDetailsReport(lumora);
    if (report.empty()) return nullptr;
    return std::make_shared<const TDetailsContent>(TDetailsContent{
        DecodedName(DvdDetailsName(lumora)), std::move(report), Json().dvd({lumora.FileName(), lumora}), {}});
}
