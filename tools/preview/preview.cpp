// Renders the forms of an installation folder in one language:
//   preview.exe FOLDER LANGUAGE OUTPUT
// starts FOLDER\launcher.exe LANGUAGE, saves every form it can reach as
// OUTPUT\STEM.bmp and prints "STEM<tab>FORM" for each, in the order visited.
// scripts/preview.sh runs it once per language and makes the PNG files.
#include "form_sections.h"
#include "form_walk.h"

#include "app/program_folder.h"
#include "app/command_line_arguments.h"
#include "driver/launched_program.h"
#include "driver/user_input.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kExitWaitMs = 5000;

// The argument as a full path, spelt as the launcher spells its own folder.
std::string FullPath(int argument) {
    const CommandLineArguments arguments;
    const wchar_t* path = arguments[argument];
    return AnsiPlatformPath([path](wchar_t* buffer, unsigned size) {
        return ::GetFullPathNameW(path, size, buffer, nullptr);
    });
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: preview.exe FOLDER LANGUAGE OUTPUT\n");
        return 2;
    }
    ::CreateDirectoryW(CommandLineArguments()[3], nullptr);
    const std::string folder = FullPath(1);
    const std::string output = FullPath(3);
    if (folder.empty() || output.empty()) {
        std::fprintf(stderr, "preview.exe: a folder this system cannot spell, without a short "
                             "name: use folders of plain Latin letters.\n");
        return 2;
    }
    const FormSections sections(folder + "\\Setup.ini");

    // A pointer over a button would light it up in the pages.
    MovePointerAway();
    LaunchedProgram launcher(folder + "\\launcher.exe", folder, argv[2]);
    if (!launcher.started()) {
        std::fprintf(stderr, "%s\\launcher.exe did not start (error %lu).\n", folder.c_str(),
                     ::GetLastError());
        return 1;
    }
    FormWalk walk(launcher, sections, output);
    const bool complete = walk.Run();
    // Escape on the first form ends the launcher as a user would.
    if (walk.FirstForm()) {
        PostKey(walk.FirstForm(), VK_ESCAPE);
        launcher.WaitForExit(kExitWaitMs);
    }
    return complete ? 0 : 1;
}
