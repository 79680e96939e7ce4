#include "findings.h"

#include <algorithm>

namespace {

const char* SeverityWord(Severity severity) {
    switch (severity) {
    case Severity::kError:
        return "error";
    case Severity::kWarning:
        return "warning";
    case Severity::kNote:
        return "note";
    }
    return "note";
}

std::string Counted(size_t count, const std::string& noun) {
    return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

size_t CountOf(const std::vector<Finding>& findings, Severity severity) {
    return static_cast<size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [severity](const Finding& finding) { return finding.severity == severity; }));
}

} // namespace

std::string FormatFinding(const Finding& finding) {
    std::string text = "Setup.ini:";
    if (finding.line > 0)
        text += std::to_string(finding.line) + ':';
    return text + ' ' + SeverityWord(finding.severity) + ": " + finding.message;
}

std::string FormatSummary(const std::vector<Finding>& findings) {
    return Counted(CountOf(findings, Severity::kError), "error") + ", " +
           Counted(CountOf(findings, Severity::kWarning), "warning") + ", " +
           Counted(CountOf(findings, Severity::kNote), "note");
}

int ExitStatusOf(const std::vector<Finding>& findings) {
    return CountOf(findings, Severity::kError) == 0 ? 0 : 1;
}

void SortByLine(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}
