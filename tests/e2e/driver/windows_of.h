// Finding and reading another process's windows: its form by title, the
// form's children, and its message boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct WindowFacts {
    HWND hwnd = nullptr;
    std::string title;
    std::string className;
    RECT screenRect{};
    LONG style = 0;
    LONG exStyle = 0;
};

struct ChildFacts {
    HWND hwnd = nullptr;
    int id = 0;
    std::string className;
    std::string caption;
    RECT rect{}; // in the parent's client coordinates
    LONG style = 0;
};

WindowFacts DescribeWindow(HWND hwnd);

// Waits up to `milliseconds` for a visible top-level window of the process
// with exactly this title; an empty result when none came.
WindowFacts WaitForWindow(DWORD processId, const std::string& title, DWORD milliseconds);

// Waits up to `milliseconds` for a visible top-level window of any process
// with exactly this title, such as a box of a program the tested one started.
WindowFacts WaitForWindowOfAnyProcess(const std::string& title, DWORD milliseconds);

// Waits for a message box of the process: a dialog of class #32770 with its
// text in the static 0xFFFF.
WindowFacts WaitForMessageBox(DWORD processId, DWORD milliseconds);
std::string MessageBoxText(HWND box);
// A dialog of class #32770 with its text in the static 0xFFFF.
bool IsMessageBox(const WindowFacts& window);

// The launcher form's button numbered from 1 (its identifier is 9999 + number).
HWND FormButton(HWND form, int number);

// Every visible or hidden top-level window of the process.
std::vector<WindowFacts> TopLevelWindows(DWORD processId);

// The direct children of a window, in the platform's order.
std::vector<ChildFacts> ChildrenOf(HWND parent);
