#include "app/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(JoinPath, AddsABackslashOnlyWhenNeeded) {
    EXPECT_EQ(JoinPath("D:\\setup\\", "Setup.ini"), "D:\\setup\\Setup.ini");
    EXPECT_EQ(JoinPath("D:\\setup", "Setup.ini"), "D:\\setup\\Setup.ini");
    EXPECT_EQ(JoinPath("D:/setup/", "Setup.ini"), "D:/setup/Setup.ini");
    EXPECT_EQ(JoinPath("", "Setup.ini"), "Setup.ini");
    EXPECT_EQ(JoinPath("D:\\cd\\", "docs\\manual_DE.pdf"), "D:\\cd\\docs\\manual_DE.pdf");
    // The name is appended whatever it holds.
    EXPECT_EQ(JoinPath("D:\\cd\\", "C:\\x.pdf"), "D:\\cd\\C:\\x.pdf");
    EXPECT_EQ(JoinPath("D:\\cd\\", ""), "D:\\cd\\");
}

TEST(JoinPath, NeverCutsLongParts) {
    const std::string folder(300, 'f');
    const std::string name(300, 'n');
    const std::string joined = JoinPath(folder, name);
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
