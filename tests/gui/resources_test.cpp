// The dialog templates, icon and header picture as they are compiled into the
// program: read back from the module's resources.
#include "res/resource.h"
#include "framework/gdi.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct ControlTemplate {
    int id;
    std::string className; // predefined classes by name
    std::string text;      // a resource ordinal as "#<number>"
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short cx = 0, cy = 0;
    std::string title;
    WORD pointSize = 0;
    WORD weight = 0;
    std::string face;
    std::vector<ControlTemplate> controls;
};

// Reads a name or ordinal field of an extended template.
std::string ReadField(const WORD*& at) {
    if (*at == 0xFFFF) {
        const WORD ordinal = at[1];
        at += 2;
        static const char* const predefined[] = {"Button",  "Edit",      "Static",
                                                 "ListBox", "ScrollBar", "ComboBox"};
        if (ordinal >= 0x80 && ordinal <= 0x85)
            return predefined[ordinal - 0x80];
        return "#" + std::to_string(ordinal);
    }
    std::string text;
    while (*at)
        text += static_cast<char>(*at++ & 0xFF);
    ++at;
    return text;
}

const WORD* AlignToDword(const WORD* at, const BYTE* base) {
    const auto offset = reinterpret_cast<const BYTE*>(at) - base;
    return reinterpret_cast<const WORD*>(base + ((offset + 3) & ~3));
}

template <class T> T Read(const WORD*& at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    at += sizeof value / sizeof(WORD);
    return value;
}

bool LoadDialogTemplate(int id, DialogTemplate& dialog) {
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (!found)
        return false;
    const auto* base = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, found)));
    const WORD* at = reinterpret_cast<const WORD*>(base);
    if (Read<WORD>(at) != 1 || Read<WORD>(at) != 0xFFFF)
        return false; // not an extended template
    Read<DWORD>(at);  // help id
    dialog.exStyle = Read<DWORD>(at);
    dialog.style = Read<DWORD>(at);
    const WORD count = Read<WORD>(at);
    Read<short>(at);
    Read<short>(at);
    dialog.cx = Read<short>(at);
    dialog.cy = Read<short>(at);
    ReadField(at); // menu
    ReadField(at); // class
    dialog.title = ReadField(at);
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = Read<WORD>(at);
        dialog.weight = Read<WORD>(at);
        Read<WORD>(at); // italic and character set
        dialog.face = ReadField(at);
    }
    for (WORD i = 0; i < count; ++i) {
        at = AlignToDword(at, base);
        ControlTemplate control{};
        Read<DWORD>(at); // help id
        control.exStyle = Read<DWORD>(at);
        control.style = Read<DWORD>(at);
        control.x = Read<short>(at);
        control.y = Read<short>(at);
        control.cx = Read<short>(at);
        control.cy = Read<short>(at);
        control.id = static_cast<int>(Read<DWORD>(at));
        control.className = ReadField(at);
        control.text = ReadField(at);
        const WORD extra = Read<WORD>(at);
        at = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(at) + extra);
        dialog.controls.push_back(control);
    }
    return true;
}

void ExpectControls(const DialogTemplate& dialog, const std::vector<ControlTemplate>& expected) {
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ControlTemplate& got = dialog.controls[i];
        const ControlTemplate& want = expected[i];
        SCOPED_TRACE(testing::Message() << "control " << i << ", id " << want.id);
        EXPECT_EQ(got.id, want.id);
        EXPECT_STRCASEEQ(got.className.c_str(), want.className.c_str());
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.style, want.style) << std::hex << got.style;
        EXPECT_EQ(got.exStyle, want.exStyle) << std::hex << got.exStyle;
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
    }
}

TEST(Resources, LicenceTemplate) {
    DialogTemplate dialog;
    ASSERT_TRUE(LoadDialogTemplate(IDD_LICENSE_AGREEMENT, dialog));
    EXPECT_EQ(dialog.style, 0x80C800C8u);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.cx, 326);
    EXPECT_EQ(dialog.cy, 190);
    EXPECT_EQ(dialog.title, "<caption>");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.weight, FW_NORMAL);
    EXPECT_EQ(dialog.face, "MS Shell Dlg");
    // Each field follows the label that names it for assistive technology.
    ExpectControls(dialog, {{119, "Static", "<agreement>", 0x50020200, 0, 7, 9, 312, 15},
                            {120, "RichEdit20A", "", 0x50B10844, 0, 7, 28, 312, 124},
                            {118, "Button", "<agreement>", 0x50010003, 0, 7, 155, 312, 10},
                            {IDOK, "Button", "Continue", 0x58010001, 0, 177, 169, 69, 14},
                            {IDCANCEL, "Button", "Exit", 0x50010000, 0, 250, 169, 69, 14}});
}

TEST(Resources, FormTemplate) {
    DialogTemplate dialog;
    ASSERT_TRUE(LoadDialogTemplate(IDD_SUBFORM, dialog));
    // A visible pop-up: no caption, border or system menu.
    EXPECT_EQ(dialog.style & (WS_POPUP | WS_VISIBLE), static_cast<DWORD>(WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(dialog.style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME),
              0u);
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.cx, 421);
    EXPECT_EQ(dialog.cy, 291);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.face, "MS Shell Dlg");
    EXPECT_TRUE(dialog.controls.empty());
}

TEST(Resources, PasswordTemplate) {
    DialogTemplate dialog;
    ASSERT_TRUE(LoadDialogTemplate(IDD_PASSWORD, dialog));
    EXPECT_EQ(dialog.style & (WS_POPUP | WS_CAPTION), static_cast<DWORD>(WS_POPUP | WS_CAPTION));
    EXPECT_EQ(dialog.style & WS_SYSMENU, 0u); // no close box
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.cx, 280);
    EXPECT_EQ(dialog.cy, 118);
    EXPECT_EQ(dialog.title, "SQL Express");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.face, "MS Shell Dlg");
    const DWORD visibleChild = WS_CHILD | WS_VISIBLE;
    const DWORD passwordEdit = visibleChild | WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL;
    ExpectControls(
        dialog,
        {{111, "Static", "#110", visibleChild | SS_BITMAP | SS_REALSIZEIMAGE | SS_RIGHTJUST,
          WS_EX_STATICEDGE, 0, 0, 273, 38},
         {102, "Static",
          "[Please enter a security authorization password that is 4 characters or longer.]",
          visibleChild | WS_GROUP | SS_LEFT, WS_EX_TRANSPARENT, 6, 5, 212, 28},
         {104, "Static", "[Password:]", visibleChild | WS_GROUP | SS_RIGHT, 0, 30, 50, 92, 8},
         {103, "Edit", "", passwordEdit, 0, 127, 48, 147, 14},
         {106, "Static", "[Confirm password:]", visibleChild | WS_GROUP | SS_RIGHT, 0, 30, 71, 92,
          8},
         {105, "Edit", "", passwordEdit, 0, 127, 69, 147, 14},
         {107, "Button", "[Cancel]", visibleChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 154, 98, 59, 16},
         {108, "Button", "[Install]", visibleChild | WS_TABSTOP | WS_DISABLED | BS_DEFPUSHBUTTON, 0,
          215, 98, 59, 16},
         {-1, "Static", "", visibleChild | SS_ETCHEDHORZ, 0, 0, 92, 280, 1}});
}

TEST(Resources, HeaderPictureIs418By59With256Colours) {
    UniqueBitmap header(
        static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_HEADER),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(header);
    DIBSECTION section{};
    ASSERT_EQ(::GetObjectA(header.get(), sizeof section, &section),
              static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, 418);
    EXPECT_EQ(section.dsBm.bmHeight, 59);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 8);
}

TEST(Resources, ProgramIconHasTheSystemsSizes) {
    for (const int size : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                     MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                     size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(icon, &info));
        BITMAP colour{};
        ::GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        ::DestroyIcon(icon);
    }
}

} // namespace
