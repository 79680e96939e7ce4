// The programs that ship, read back as the system reads them: their version
// resource through the version-information functions, and their header flags
// and checksum.
#include <windows.h>
#include <imagehlp.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string FolderOfThisProgram() {
    char path[MAX_PATH] = {};
    const std::string full(path, ::GetModuleFileNameA(nullptr, path, sizeof path));
    return full.substr(0, full.find_last_of('\\') + 1);
}

std::string VersionText(const std::vector<char>& block, const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!::VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) ||
        length == 0)
        return "(none)";
    return std::string(text, length - 1);
}

std::string FixedVersion(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low));
}

struct ShippedProgram {
    const char* file;
    const char* description;
};

TEST(ShippedProgram, CarriesItsVersionAndTheHeaderOfAProgramForMedia) {
    for (const ShippedProgram& expected :
         {ShippedProgram{"launcher.exe", "Setup launcher"},
          ShippedProgram{"setupcheck.exe", "Installation medium checker"}}) {
        SCOPED_TRACE(expected.file);
        const std::string path = FolderOfThisProgram() + expected.file;
        DWORD ignored = 0;
        std::vector<char> block(::GetFileVersionInfoSizeA(path.c_str(), &ignored));
        ASSERT_FALSE(block.empty()) << "no version resource";
        ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, DWORD(block.size()), block.data()));
        EXPECT_EQ(VersionText(block, "FileDescription"), expected.description);
        EXPECT_EQ(VersionText(block, "FileVersion"), PROJECT_VERSION);
        EXPECT_EQ(VersionText(block, "ProductVersion"), PROJECT_VERSION);
        EXPECT_EQ(VersionText(block, "ProductName"), PRODUCT_NAME);
        EXPECT_EQ(VersionText(block, "LegalCopyright"), PRODUCT_COPYRIGHT);
        EXPECT_EQ(VersionText(block, "OriginalFilename"), expected.file);
        EXPECT_EQ(VersionText(block, "InternalName") + ".exe", expected.file);
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(FixedVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS), PROJECT_VERSION);
        EXPECT_EQ(FixedVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS),
                  PROJECT_VERSION);

        LOADED_IMAGE image{};
        ASSERT_TRUE(::MapAndLoad(path.c_str(), nullptr, &image, FALSE, TRUE));
        const IMAGE_NT_HEADERS32 headers = *image.FileHeader;
        ::UnMapAndLoad(&image);
        for (const WORD flag : {IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP, IMAGE_FILE_NET_RUN_FROM_SWAP,
                                IMAGE_FILE_LARGE_ADDRESS_AWARE})
            EXPECT_TRUE(headers.FileHeader.Characteristics & flag) << std::hex << flag;
        EXPECT_TRUE(headers.OptionalHeader.DllCharacteristics &
                    IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE);
        EXPECT_EQ(headers.FileHeader.TimeDateStamp, 0u) << "a link time in the header";
        DWORD written = 0, computed = 0;
        ASSERT_EQ(::MapFileAndCheckSumA(path.c_str(), &written, &computed), CHECKSUM_SUCCESS);
        EXPECT_EQ(written, computed);
        EXPECT_NE(written, 0u);
    }
}

} // namespace
