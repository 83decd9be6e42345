// The full report of a DVD-Video volume: its facts and each title's as sections of labelled
// lines, shared by lumora_info -of full --dvd and the details window.
#pragma once

#include <string>

#include "app/page_text/report.h"

class TKxLumora;

// "Диск", then "Заголовок N" for each title; empty when the last reading found no volume.
Report DvdDetailsReport(const TKxLumora& lumora);

// What the volume is called in a window's title: its folder's name.
std::string DvdDetailsName(const TKxLumora& lumora);
