#pragma once
#include "app/app_state.h"

// The program itself, started offscreen in a folder of one picture (good.png, the current
// directory), its files in a temporary folder; made once per run.
AppState& runningProgram();

// Delivers events until the picture the program was asked to show is on show.
void waitForShow(AppState& app);
