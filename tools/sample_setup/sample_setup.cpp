// The sample folder's installer: the demo's install buttons start copies of
// it under the names their Setup.ini gives. It shows in one message box the
// name it was started under and the arguments it was given, then ends when
// the user presses OK. It needs no network and writes nothing, so every
// button of the sample can be tried on any machine.
#include <windows.h>

#include <string>

namespace {

// The program's own file name, such as "install.exe".
std::string OwnFileName() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string fullPath(path, length < MAX_PATH ? length : 0);
    return fullPath.substr(fullPath.find_last_of("\\/") + 1);
}

} // namespace

// The runtime passes the command line without the program's name.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    const std::string name = OwnFileName();
    const std::string given = arguments && *arguments ? arguments : "(none)";
    const std::string text = "This sample program stands in for an installer and installs "
                             "nothing.\n\nProgram: " +
                             name + "\nArguments: " + given;
    ::MessageBoxA(nullptr, text.c_str(), name.c_str(),
                  MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    return 0;
}
