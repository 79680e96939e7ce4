// What the checker found, printed one finding a line as a compiler does.
#pragma once

#include <string>
#include <vector>

enum class Severity { kError, kWarning, kNote };

struct Finding {
    Severity severity;
    int line; // counted from 1; 0 when there is no line to point at
    std::string message;
};

// "Setup.ini:LINE: error: message", without ":LINE" for line 0.
std::string FormatFinding(const Finding& finding);

// "2 errors, 1 warning, 0 notes".
std::string FormatSummary(const std::vector<Finding>& findings);

// 0 when nothing is an error, 1 otherwise.
int ExitStatusOf(const std::vector<Finding>& findings);

// Orders by line, keeping the order of findings on one line.
void SortByLine(std::vector<Finding>& findings);
