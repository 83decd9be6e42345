// A report as the rows of a two-column tree model ("Свойство", "Значение"), filled in one pass.
#pragma once

#include <Qt>

#include "app/page_text/report.h"

class QStandardItemModel;

// Set (true) on a section's row, whose title is its only cell.
inline constexpr int kSectionRole = Qt::UserRole + 1;

// Replaces the model's rows: each section a row of its title, with its lines as child rows of
// label and value, then its nested sections as child rows of their own.
void FillReportModel(QStandardItemModel& model, const Report& report);
