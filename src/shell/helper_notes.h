#pragma once

#include <QString>

class Prompts;

// Shows helper note n (1-10) of the tips file under `title` while `flag` says the note
// is still wanted. Returns whether the user wants it again next time; false without
// showing anything when `flag` is false.
bool ShowHelperNote(Prompts& prompts, const QString& tipsPath, int n, const QString& title,
                    bool flag);

// Shows the tip of the day, continuing from `tipNumber`, and stores where to continue
// next time and whether tips stay on at startup.
void ShowTipWindow(Prompts& prompts, const QString& tipsPath, int& tipNumber,
                   bool& showTipOfTheDay);
