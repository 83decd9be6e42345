// The full report of a file: every fact of its details as sections of labelled lines, shared by
// lumora_info -of full and the details window.
#pragma once

#include "app/page_text/report.h"

class TKxLumora;

// "Общее", then one section per stream in file order ("Видео #0", "Аудио #1", "Субтитры #3",
// "Вложение #N", "Данные #N"), then "Главы"; empty when the last reading left no details.
// Numbers use the component's decimal separator.
Report FileDetailsReport(const TKxLumora& lumora);
