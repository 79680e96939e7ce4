// What launcher.exe does in one prepared folder, watched from outside: it
// shows its form, shows a message and ends, ends by itself, crashes or hangs.
#pragma once

#include <string>

struct CaseRun {
    std::string folder;       // UTF-8; holds launcher.exe and the case's files
    int buttonToPress = 0;    // 0: none; else pressed in the newest form
    int presses = 0;          // how often, each in the form the last one left on top
    unsigned startMs = 10000; // for a window or the end
};

struct RunOutcome {
    std::string kind;   // window, message-exit, message-window, exit, crash, hang
    std::string detail; // the messages shown, the exit status, what the presses did
};

RunOutcome RunCase(const std::string& launcher, const CaseRun& run);
