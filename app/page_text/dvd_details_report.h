// The full report of a DVD-Video volume: its facts and each title's as sections of labelled
// lines, shared by lumora_info -of full --dvd and the details window.
#pragma once

#include <string>

#include "app/page_text/report.h"

class TKxLumora;

// "Диск", then "Заголовок N" for each title ("Главы", "Ячейки", "Видео", "Аудио #N" and
// "Субтитры #N" within, streams the title's control marks absent left out); empty when the last
// reading found no volume. Numbers use the component's decimal separator.
Report DvdDetailsReport(const TKxLumora& lumora);

// What a window calls the volume: its label as the reading found it (a folder volume's is its
// folder's name), else the name in the path the component was given (the folder holding
// VIDEO_TS, or the image). The file system is not asked.
std::string DvdDetailsName(const TKxLumora& lumora);
