// Runs launcher.exe in each folder of a case list and prints one line per
// case: name, outcome, expected outcome, what it showed. Lines of the list:
//   FOLDER [BUTTON PRESSES [EXPECTED]]
// (Windows paths; the button is pressed that many times, each time in the
// form then on top; EXPECTED is an outcome class, or "-" for any that is
// neither a crash nor a hang). Exits 1 when any case crashed, hung or ended
// otherwise than expected.
#include "run_outcome.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: hostile_driver CASE_LIST [START_MS]\n");
        return 2;
    }
    std::ifstream list(argv[1]);
    const unsigned startMs = argc > 2 ? static_cast<unsigned>(std::stoul(argv[2])) : 10000;
    bool failed = false;
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::istringstream fields(line);
        CaseRun run;
        std::string expected = "-";
        fields >> run.folder >> run.buttonToPress >> run.presses >> expected;
        run.startMs = startMs;
        const RunOutcome outcome = RunCase("launcher.exe", run);
        const std::string name = run.folder.substr(run.folder.find_last_of('\\') + 1);
        std::printf("%s\t%s\t%s\t%s\n", name.c_str(), outcome.kind.c_str(), expected.c_str(),
                    outcome.detail.c_str());
        std::fflush(stdout);
        failed = failed || outcome.kind == "crash" || outcome.kind == "hang" ||
                 outcome.kind == "not-started" || (expected != "-" && outcome.kind != expected);
    }
    return failed ? 1 : 0;
}
