// The label under real mouse input: hover cursor and clicks.
#include "label_host.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <objbase.h>

namespace {

// Real mouse input at the centre of the label.
void MoveTo(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void Click(HWND hwnd) {
    MoveTo(hwnd);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
}

TEST(LabelCursor, HoverCursorIsShownOverTheLabel) {
    BoundLabel bound(0, 80, 24, "HH", true);
    HCURSOR hand = ::LoadCursorA(nullptr, IDC_HAND);
    bound.label.SetLink(true, true).SetHoverCursor(hand);
    MoveTo(bound.host.control());
    EXPECT_TRUE(PumpMessagesUntil([&] { return ::GetCursor() == hand; }, 2000));

    // Without one, the control's own handling sets its class cursor.
    bound.label.SetHoverCursor(nullptr);
    ::SetCursor(hand);
    ::SendMessageA(bound.host.control(), WM_SETCURSOR,
                   reinterpret_cast<WPARAM>(bound.host.control()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_ARROW));
}

TEST(LabelClick, WithoutNotifyStyleTheClickGoesThroughToTheParent) {
    BoundLabel bound(0, 80, 24, "HH", true);
    bound.label.SetLink(false, true);
    Click(bound.host.control());
    EXPECT_TRUE(PumpMessagesUntil([&] { return bound.host.parentClicks > 0; }, 2000));
    EXPECT_TRUE(bound.host.notifications.empty());
}

TEST(LabelClick, WithTheNotifyFlagTheParentGetsTheLabelsNotification) {
    BoundLabel bound(0, 80, 24, "HH", true);
    bound.label.SetLink(true, true);
    Click(bound.host.control());
    ASSERT_TRUE(PumpMessagesUntil([&] { return !bound.host.notifications.empty(); }, 2000));
    ASSERT_EQ(bound.host.notifications.size(), 1u);
    const NMHDR& header = bound.host.notifications[0];
    EXPECT_EQ(header.code, 0x8200u);
    EXPECT_EQ(header.idFrom, static_cast<UINT_PTR>(LabelHost::kControlId));
    EXPECT_EQ(header.hwndFrom, bound.host.control());
    EXPECT_EQ(bound.host.notifyIds[0], static_cast<WPARAM>(LabelHost::kControlId));
    EXPECT_EQ(bound.host.parentClicks, 0);
}

TEST(LabelClick, WithoutTheNotifyFlagTheShellOpensTheLabelsText) {
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    const std::string script = std::string(temp) + "label_click_opens.bat";
    const std::string marker = std::string(temp) + "label_click_opened.txt";
    ::DeleteFileA(marker.c_str());
    WriteFileBytes(script, "@echo opened>\"" + marker + "\"\r\n");

    BoundLabel bound(0, 80, 24, script, true);
    bound.label.SetLink(true, false);
    Click(bound.host.control());
    const bool opened = PumpMessagesUntil(
        [&] { return ::GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    ::DeleteFileA(script.c_str());
    ::DeleteFileA(marker.c_str());
    EXPECT_TRUE(opened);
    EXPECT_TRUE(bound.host.notifications.empty());
    // The shell was called in a single-threaded apartment: joining it again is no change.
    EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE),
              S_FALSE);
    ::CoUninitialize();
}

} // namespace
