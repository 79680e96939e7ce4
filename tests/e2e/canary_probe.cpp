// Loads a DLL by bare name with the classic search order, so the test of the
// planted canaries can show that the canaries would be found from the folder.
#include <windows.h>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        ::LoadLibraryA(argv[i]);
    return 0;
}
