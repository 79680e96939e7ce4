#include "app/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(JoinPath, AddsABackslashOnlyWhenNeeded) {
    LeadByteTable sjis;
    sjis.SetLeadByte(0x95); // 0x95 0x5C and 0x94 0x5C are two characters of code page 932
    sjis.SetLeadByte(0x94);
    const LeadByteTable single;
    const struct {
        const char* folder;
        const char* name;
        const LeadByteTable& leadBytes;
        const char* joined;
    } cases[] = {
        {"D:\\setup\\", "Setup.ini", single, "D:\\setup\\Setup.ini"},
        {"D:\\setup", "Setup.ini", single, "D:\\setup\\Setup.ini"},
        {"D:/setup/", "Setup.ini", single, "D:/setup/Setup.ini"},
        {"", "Setup.ini", single, "Setup.ini"},
        {"D:\\cd\\", "docs\\manual_DE.pdf", single, "D:\\cd\\docs\\manual_DE.pdf"},
        // The name is appended whatever it holds.
        {"D:\\cd\\", "C:\\x.pdf", single, "D:\\cd\\C:\\x.pdf"},
        {"D:\\cd\\", "", single, "D:\\cd\\"},
        // A folder ending in a double-byte character whose trail byte is 0x5C.
        {"D:\\\x95\x5C", "Setup.ini", sjis, "D:\\\x95\x5C\\Setup.ini"},
        {"D:\\a\x94\x5C", "", sjis, "D:\\a\x94\x5C\\"},
        {"D:\\\x95\x5C\\", "Setup.ini", sjis, "D:\\\x95\x5C\\Setup.ini"},
        // Only a lead byte makes it one character: in a single-byte code page it is a separator.
        {"D:\\\x95\x5C", "Setup.ini", single, "D:\\\x95\x5CSetup.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinPath(c.folder, c.name, c.leadBytes), c.joined) << c.folder;
}

TEST(JoinPath, NeverCutsLongParts) {
    const std::string folder(300, 'f');
    const std::string name(300, 'n');
    const std::string joined = JoinPath(folder, name, LeadByteTable());
    EXPECT_EQ(joined.size(), 601u);
    EXPECT_FALSE(FitsPlatformPath(joined));
}

TEST(FitsPlatformPath, AcceptsUpTo259Bytes) {
    EXPECT_TRUE(FitsPlatformPath(std::string(259, 'a')));
    EXPECT_FALSE(FitsPlatformPath(std::string(260, 'a')));
    EXPECT_TRUE(FitsPlatformPath(""));
}

TEST(FolderOfFile, KeepsDriveAndFolderWithTheirSeparator) {
    const LeadByteTable single;
    EXPECT_EQ(FolderOfFile("D:\\setup\\launch.exe", single), "D:\\setup\\");
    EXPECT_EQ(FolderOfFile("\\\\server\\share\\cd\\launch.exe", single), "\\\\server\\share\\cd\\");
    EXPECT_EQ(FolderOfFile("C:\\dir with spaces\\a.b.exe", single), "C:\\dir with spaces\\");
    EXPECT_EQ(FolderOfFile("C:launch.exe", single), "C:");
    EXPECT_EQ(FolderOfFile("launch.exe", single), "");
}

TEST(FolderOfFile, DoesNotSplitADoubleByteCharacterEndingInABackslash) {
    LeadByteTable sjis;
    sjis.SetLeadByte(0x95);
    // The folder name ends in 0x95 0x5C: its trail byte is not a separator.
    EXPECT_EQ(FolderOfFile("C:\\a\x95\x5C"
                           "b\\launch.exe",
                           sjis),
              "C:\\a\x95\x5C"
              "b\\");
    EXPECT_EQ(FolderOfFile("C:\\a\x95\x5C"
                           "b.exe",
                           sjis),
              "C:\\");
}

} // namespace
