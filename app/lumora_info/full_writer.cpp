#include "app/lumora_info/full_writer.h"

#include "app/lumora_info/text_writer.h"
#include "app/page_text/dvd_details_report.h"
#include "app/page_text/file_details_report.h"

std::string FullFile(const FileRecord& record) {
    if (record.failure) return TextFile(record);
    return ReportText(FileDetailsReport(record.lumora));
}

std::string FullDvd(const DvdRecord& record) {
    return ReportText(DvdDetailsReport(record.lumora));
}
