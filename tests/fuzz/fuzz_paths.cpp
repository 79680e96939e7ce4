// Path joining and folder splitting over any names and code page.
#include "app/paths.h"

#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const LeadByteTable leadBytes = ConsumeLeadBytes(input);
    const std::string folder = input.ConsumeRandomLengthString(300);
    const std::string name = input.ConsumeRemainingBytesAsString();

    const std::string joined = JoinPath(folder, name, leadBytes);
    Require(joined.compare(0, folder.size(), folder) == 0);
    Require(joined.size() >= name.size() &&
            joined.compare(joined.size() - name.size(), name.size(), name) == 0);
    Require(joined.size() <= folder.size() + 1 + name.size());
    Require(FitsPlatformPath(joined) == (joined.size() < kMaxPathBytes));

    const std::string parent = FolderOfFile(joined, leadBytes);
    Require(joined.compare(0, parent.size(), parent) == 0);
    Require(IsCharacterBoundary(joined, parent.size(), leadBytes));
    if (!parent.empty()) {
        const char last = parent.back();
        Require(last == '\\' || last == '/' || last == ':');
    }
    return 0;
}
