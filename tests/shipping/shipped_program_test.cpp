// The shipped programs read back as the system reads them: the version
// resource through the version-information functions, the header's flags and
// checksum through the image-help functions.
#include <windows.h>
#include <imagehlp.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string VersionText(const std::vector<char>& block, const std::string& name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string key = "\\StringFileInfo\\040904B0\\" + name;
    return ::VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length)
               ? std::string(text, length ? length - 1 : 0)
               : "(none)";
}

TEST(ShippedProgram, CarriesItsVersionAndTheHeaderOfAProgramForMedia) {
    char self[MAX_PATH] = {};
    const std::string folder(self, ::GetModuleFileNameA(nullptr, self, sizeof self));
    for (const auto& [name, description] :
         {std::pair{"launcher", "Setup launcher"},
          std::pair{"setupcheck", "Installation medium checker"},
          std::pair{"setupdesign", "Installation medium designer"}}) {
        SCOPED_TRACE(name);
        const std::string file = std::string(name) + ".exe";
        const std::string path = folder.substr(0, folder.rfind('\\') + 1) + file;
        DWORD ignored = 0;
        std::vector<char> block(::GetFileVersionInfoSizeA(path.c_str(), &ignored));
        ASSERT_FALSE(block.empty()) << "no version resource";
        ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, DWORD(block.size()), block.data()));
        for (const auto& [key, expected] :
             {std::pair{"FileDescription", description}, {"FileVersion", PROJECT_VERSION},
              {"ProductVersion", PROJECT_VERSION}, {"ProductName", PRODUCT_NAME},
              {"LegalCopyright", PRODUCT_COPYRIGHT}, {"OriginalFilename", file.c_str()},
              {"InternalName", name}})
            EXPECT_EQ(VersionText(block, key), expected) << key;
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        for (const auto& [high, low] : {std::pair{fixed->dwFileVersionMS, fixed->dwFileVersionLS},
                                        {fixed->dwProductVersionMS, fixed->dwProductVersionLS}})
            EXPECT_EQ(std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
                          std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low)),
                      PROJECT_VERSION ".0");

        LOADED_IMAGE image{};
        ASSERT_TRUE(::MapAndLoad(path.c_str(), nullptr, &image, FALSE, TRUE));
        const IMAGE_NT_HEADERS32 headers = *image.FileHeader;
        ::UnMapAndLoad(&image);
        constexpr WORD kForMedia = IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP |
                                   IMAGE_FILE_NET_RUN_FROM_SWAP | IMAGE_FILE_LARGE_ADDRESS_AWARE;
        EXPECT_EQ(headers.FileHeader.Characteristics & kForMedia, kForMedia);
        EXPECT_TRUE(headers.OptionalHeader.DllCharacteristics &
                    IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE);
        EXPECT_EQ(headers.FileHeader.TimeDateStamp, 0u) << "a link time in the header";
        DWORD written = 0, computed = 0;
        ASSERT_EQ(::MapFileAndCheckSumA(path.c_str(), &written, &computed), CHECKSUM_SUCCESS);
        EXPECT_TRUE(written != 0 && written == computed) << written << " " << computed;
    }
}

} // namespace
