// Helpers for in-process GUI tests: message boxes answered by a hook, a
// Setup.ini beside the test program, and pixels read back from windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Answers every message box of this thread while it lives: records title,
// text and icon, then presses the button with the given id.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(int answer = IDOK);
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    ~MessageBoxWatcher();

    struct Box {
        std::string title;
        std::string text;
        HWND owner;
        HICON icon; // compare with LoadIconA(nullptr, IDI_HAND) and the like
    };
    const std::vector<Box>& boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
    int m_answer;
    std::vector<Box> m_boxes;
};

// Writes Setup.ini beside the test program and removes it again.
class ScopedSetupIni {
public:
    explicit ScopedSetupIni(const std::string& content);
    ScopedSetupIni(const ScopedSetupIni&) = delete;
    ScopedSetupIni& operator=(const ScopedSetupIni&) = delete;
    ~ScopedSetupIni();
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Runs an action when the scope ends, however the test ends (a failed ASSERT
// returns early): puts a system setting back, removes a file.
class OnScopeExit {
public:
    explicit OnScopeExit(std::function<void()> action) : m_action(std::move(action)) {}
    OnScopeExit(const OnScopeExit&) = delete;
    OnScopeExit& operator=(const OnScopeExit&) = delete;
    ~OnScopeExit() { m_action(); }

private:
    std::function<void()> m_action;
};

// Writes a file of bytes, creating nothing else.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Runs the thread's messages until the condition holds or the time is up;
// false when the time ran out.
bool PumpMessagesUntil(const std::function<bool()>& condition, DWORD milliseconds);
