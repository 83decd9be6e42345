#include "app/lumora_info/full_writer.h"

#include "app/lumora_info/text_writer.h"
#include "app/page_text/dvd_details_report.h"
#include "app/page_text/file_details_report.h"
#include "app/page_text/hardware_answer_text.h"

std::string FullFile(const FileRecord& record) {
    if (record.failure) return TextFile(record);
    return ReportText(FileDetailsReport(record.lumora));
}

std::string FullDvd(const DvdRecord& record) {
    return ReportText(DvdDetailsReport(record.lumora));
}

std::string FullCatalogue(const CatalogueRecord& record) {
    std::string text;
    for (const CatalogueList& list : record.lists) {
        text += list.label + "\n";
        for (const std::string& item : list.items) {
            text += "  " + item + "\n";
            if (const auto found = record.availability.find(item); found != record.availability.end())
                text += "    Доступен на этой машине: " + AvailabilityText(found->second) + "\n";
        }
    }
    return text;
}
