#include "framework/message_box.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/worker_thread.h"
#include "test_dialogs.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// A dialog whose behaviour each test supplies.
class ScriptedDialog : public CDialog {
public:
    ScriptedDialog() : CDialog(IDD_TEST_DIALOG, nullptr) {}

    std::function<void(ScriptedDialog&)> onInit;
    std::function<bool(WPARAM, LPARAM)> onCommand;
    std::string editText;
    int initCount = 0;
    bool setTextThroughDefault = false;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ++initCount;
        if (onInit)
            onInit(*this);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_TEST_EDIT, editText); }
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (msg == WM_SETTEXT && setTextThroughDefault) {
            result = Default();
            return true;
        }
        return CDialog::OnMessage(msg, wParam, lParam, result);
    }
    bool OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (onCommand && onCommand(wParam, lParam))
            return true;
        return CDialog::OnCommand(wParam, lParam);
    }
};

void PostCommand(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

TEST(Dialog, RunsModallyAndEndsWithTheResultGiven) {
    ScriptedDialog dialog;
    int commandsSeen = 0;
    dialog.onInit = [](ScriptedDialog& d) { PostCommand(d.m_hWnd, IDC_TEST_CUSTOM); };
    dialog.onCommand = [&](WPARAM wParam, LPARAM) {
        if (LOWORD(wParam) != IDC_TEST_CUSTOM)
            return false;
        ++commandsSeen;
        dialog.EndDialog(42);
        return true;
    };
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.initCount, 1);
    EXPECT_EQ(commandsSeen, 1);
    // The window is gone and the object no longer refers to it.
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(Dialog, DefaultInAHandlerProcessesTheMessageBeingHandled) {
    ScriptedDialog dialog;
    dialog.setTextThroughDefault = true;
    std::string title;
    dialog.onInit = [&title](ScriptedDialog& d) {
        d.SetWindowText("Set through Default");
        title = d.GetWindowText();
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(title, "Set through Default");
}

TEST(Wnd, ARefusedSubclassLeavesNothingBound) {
    // The desktop window belongs to another process: subclassing it is refused.
    const HWND desktop = ::GetDesktopWindow();
    CWnd wnd;
    EXPECT_FALSE(wnd.SubclassWindow(desktop));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(desktop), nullptr);
}

TEST(Wnd, AHandlerMayEndItsObjectAndAnotherSubclassOnTopIsLeftInPlace) {
    struct SelfEnding : CWnd {
        std::unique_ptr<CWnd>* owner = nullptr;
        bool OnMessage(UINT, WPARAM, LPARAM, LRESULT& result) override {
            result = 7;
            owner->reset();
            return true;
        }
    };
    const HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr,
                                        nullptr, nullptr);
    const LONG_PTR classProc = ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    const auto onTop = reinterpret_cast<LONG_PTR>(&::DefWindowProcA);
    for (bool endedByHandler : {true, false}) {
        std::unique_ptr<CWnd> bound = std::make_unique<SelfEnding>();
        static_cast<SelfEnding&>(*bound).owner = &bound;
        ASSERT_TRUE(bound->SubclassWindow(hwnd));
        if (endedByHandler)
            EXPECT_EQ(::SendMessageA(hwnd, WM_APP, 0, 0), 7);
        else
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, onTop);
        bound.reset();
        EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
        EXPECT_EQ(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC), endedByHandler ? classProc : onTop);
    }
    ::DestroyWindow(hwnd);
}

TEST(Dialog, OkSavesTheControlsAndCancelDoesNot) {
    ScriptedDialog ok;
    ok.editText = "start";
    ok.onInit = [](ScriptedDialog& d) {
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_EDIT, "typed");
        PostCommand(d.m_hWnd, IDOK);
    };
    EXPECT_EQ(ok.DoModal(), IDOK);
    EXPECT_EQ(ok.editText, "typed");

    ScriptedDialog cancel;
    cancel.editText = "start";
    cancel.onInit = [](ScriptedDialog& d) {
        // Initialisation wrote the member into the control.
        char text[32] = {};
        ::GetDlgItemTextA(d.m_hWnd, IDC_TEST_EDIT, text, sizeof text);
        EXPECT_STREQ(text, "start");
        ::SetDlgItemTextA(d.m_hWnd, IDC_TEST_EDIT, "typed");
        PostCommand(d.m_hWnd, IDCANCEL);
    };
    EXPECT_EQ(cancel.DoModal(), IDCANCEL);
    EXPECT_EQ(cancel.editText, "start");
}

TEST(Dialog, EscapeKeyEndsWithCancel) {
    ScriptedDialog dialog;
    dialog.onInit = [](ScriptedDialog& d) {
        ::PostMessageA(::GetDlgItem(d.m_hWnd, IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Dialog, AMissingTemplateGivesMinusOne) {
    class Missing : public CDialog {
    public:
        Missing() : CDialog(9999, nullptr) {}
    } missing;
    EXPECT_EQ(missing.DoModal(), -1);
}

// A control that answers the owner-draw and colour messages its parent receives.
class ReflectingButton : public CButton {
public:
    int drawCount = 0;
    HWND drawnWindow = nullptr;

protected:
    bool OnChildNotify(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) override {
        if (msg != WM_DRAWITEM)
            return false;
        ++drawCount;
        drawnWindow = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        result = TRUE;
        return true;
    }
};

class ColouredStatic : public CStatic {
public:
    HBRUSH brush = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));

protected:
    bool OnChildNotify(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
        if (msg != WM_CTLCOLORSTATIC)
            return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
};

class BindingDialog : public ScriptedDialog {
public:
    ReflectingButton button;
    ColouredStatic label;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ScriptedDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_OWNERDRAW, button);
        DDX_Control(pDX, IDC_TEST_STATIC, label);
    }
};

TEST(Dialog, BoundControlsAreFoundFromTheirHandleAndGetReflectedMessages) {
    BindingDialog dialog;
    LRESULT colourAnswer = 0;
    HWND buttonWindow = nullptr;
    dialog.onInit = [&](ScriptedDialog&) {
        buttonWindow = dialog.button.m_hWnd;
        EXPECT_EQ(CWnd::FromHandle(dialog.button.m_hWnd), &dialog.button);
        EXPECT_EQ(dialog.button.GetDlgCtrlID(), IDC_TEST_OWNERDRAW);
        ::ShowWindow(dialog.m_hWnd, SW_SHOW);
        ::UpdateWindow(dialog.m_hWnd);
        HDC dc = ::GetDC(dialog.label.m_hWnd);
        colourAnswer =
            ::SendMessageA(dialog.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(dialog.label.m_hWnd));
        ::ReleaseDC(dialog.label.m_hWnd, dc);
        PostCommand(dialog.m_hWnd, IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_GE(dialog.button.drawCount, 1);
    EXPECT_EQ(dialog.button.drawnWindow, buttonWindow);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(colourAnswer), dialog.label.brush);
    // Destroying the dialog unbound the controls.
    EXPECT_EQ(dialog.button.m_hWnd, nullptr);
}

TEST(Dialog, AnExceptionInAHandlerIsReportedAndDoesNotEndTheProgram) {
    MessageBoxWatcher watcher;
    ScriptedDialog dialog;
    dialog.onInit = [](ScriptedDialog& d) {
        PostCommand(d.m_hWnd, IDC_TEST_CUSTOM);
        PostCommand(d.m_hWnd, IDOK);
    };
    dialog.onCommand = [](WPARAM wParam, LPARAM) -> bool {
        if (LOWORD(wParam) == IDC_TEST_CUSTOM)
            throw std::runtime_error("handler failed");
        return false;
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].text, "handler failed");
}

TEST(AppMessageBox, IsTitledWithTheProgramNameAndOwnedByTheActiveDialog) {
    EXPECT_EQ(GetProgramName(), "gui_tests");
    MessageBoxWatcher watcher;
    ScriptedDialog dialog;
    dialog.onInit = [](ScriptedDialog& d) {
        ::ShowWindow(d.m_hWnd, SW_SHOW);
        ::SetActiveWindow(d.m_hWnd);
        AppMessageBox("Hello", MB_OK | MB_ICONINFORMATION);
        PostCommand(d.m_hWnd, IDCANCEL);
    };
    dialog.DoModal();
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes()[0].title, "gui_tests");
    EXPECT_EQ(watcher.boxes()[0].text, "Hello");
    EXPECT_NE(watcher.boxes()[0].owner, nullptr);
}

// Sees the messages of the modal loop before they are dispatched.
class FilteringEdit : public CEdit {
public:
    int swallowed = 0;
    bool PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_CHAR && msg->wParam == 'x') {
            ++swallowed;
            return true;
        }
        return false;
    }
};

class FilteringDialog : public ScriptedDialog {
public:
    FilteringEdit edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_TEST_EDIT, edit);
        ScriptedDialog::DoDataExchange(pDX);
    }
};

TEST(Dialog, PreTranslateMessageSeesQueuedMessagesOfItsWindow) {
    FilteringDialog dialog;
    dialog.onInit = [&](ScriptedDialog& d) {
        ::PostMessageA(dialog.edit.m_hWnd, WM_CHAR, 'a', 1);
        ::PostMessageA(dialog.edit.m_hWnd, WM_CHAR, 'x', 1);
        ::PostMessageA(dialog.edit.m_hWnd, WM_CHAR, 'b', 1);
        PostCommand(d.m_hWnd, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.edit.swallowed, 1);
    EXPECT_EQ(dialog.editText, "ab");
}

} // namespace

namespace {

struct WorkerProbe {
    DWORD threadId = 0;
    bool fail = false;
};

void RecordThread(void* context) {
    auto& probe = *static_cast<WorkerProbe*>(context);
    probe.threadId = ::GetCurrentThreadId();
    if (probe.fail)
        throw std::runtime_error("task failed");
}

} // namespace

TEST(WorkerThread, RunsTheTaskElsewhereAndPassesOnWhatItThrewOnce) {
    WorkerProbe quiet;
    {
        CWorkerThread worker(&RecordThread, &quiet);
        worker.Join();
        EXPECT_NE(quiet.threadId, 0u);
        EXPECT_NE(quiet.threadId, ::GetCurrentThreadId());
    }
    WorkerProbe failing{0, true};
    CWorkerThread worker(&RecordThread, &failing);
    EXPECT_THROW(worker.Join(), std::runtime_error);
    EXPECT_NO_THROW(worker.Join());
}
