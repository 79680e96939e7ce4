#include "windows_of.h"

namespace {

std::string TextOf(HWND hwnd) {
    char text[1024] = {};
    ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

struct Search {
    DWORD processId;
    std::vector<WindowFacts> found;
};

BOOL CALLBACK CollectWindowOfProcess(HWND hwnd, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId)
        search->found.push_back(DescribeWindow(hwnd));
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM context) {
    auto* children = reinterpret_cast<std::vector<HWND>*>(context);
    children->push_back(hwnd);
    return TRUE;
}

} // namespace

bool IsMessageBox(const WindowFacts& window) {
    return window.className == "#32770" && ::GetDlgItem(window.hwnd, 0xFFFF) != nullptr;
}

HWND FormButton(HWND form, int number) {
    return ::GetDlgItem(form, 9999 + number);
}

WindowFacts DescribeWindow(HWND hwnd) {
    WindowFacts facts;
    facts.hwnd = hwnd;
    facts.title = TextOf(hwnd);
    facts.className = ClassOf(hwnd);
    ::GetWindowRect(hwnd, &facts.screenRect);
    facts.style = ::GetWindowLongA(hwnd, GWL_STYLE);
    facts.exStyle = ::GetWindowLongA(hwnd, GWL_EXSTYLE);
    return facts;
}

std::vector<WindowFacts> TopLevelWindows(DWORD processId) {
    Search search{processId, {}};
    ::EnumWindows(&CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

WindowFacts WaitForWindow(DWORD processId, const std::string& title, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        for (const WindowFacts& window : TopLevelWindows(processId))
            if (window.title == title && (window.style & WS_VISIBLE))
                return window;
        ::Sleep(20);
    } while (::GetTickCount() - start < milliseconds);
    return {};
}

WindowFacts WaitForWindowOfAnyProcess(const std::string& title, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        // Another window of the title may come first in the platform's order.
        for (HWND hwnd = ::FindWindowExA(nullptr, nullptr, nullptr, title.c_str()); hwnd;
             hwnd = ::FindWindowExA(nullptr, hwnd, nullptr, title.c_str()))
            if (::IsWindowVisible(hwnd))
                return DescribeWindow(hwnd);
        ::Sleep(20);
    } while (::GetTickCount() - start < milliseconds);
    return {};
}

WindowFacts WaitForMessageBox(DWORD processId, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        for (const WindowFacts& window : TopLevelWindows(processId))
            if (IsMessageBox(window) && (window.style & WS_VISIBLE))
                return window;
        ::Sleep(20);
    } while (::GetTickCount() - start < milliseconds);
    return {};
}

std::string MessageBoxText(HWND box) {
    return TextOf(::GetDlgItem(box, 0xFFFF));
}

std::vector<ChildFacts> ChildrenOf(HWND parent) {
    std::vector<HWND> all;
    ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&all));
    std::vector<ChildFacts> children;
    for (HWND hwnd : all) {
        if (::GetParent(hwnd) != parent)
            continue;
        ChildFacts child;
        child.hwnd = hwnd;
        child.id = ::GetDlgCtrlID(hwnd);
        child.className = ClassOf(hwnd);
        child.caption = TextOf(hwnd);
        ::GetWindowRect(hwnd, &child.rect);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&child.rect), 2);
        child.style = ::GetWindowLongA(hwnd, GWL_STYLE);
        children.push_back(child);
    }
    return children;
}
