// A test folder whose buttons start stand-ins instead of real programs: a
// program that records how it was started (copied in as prog.exe), a document
// type opened by that same recorder, and a web browser that records addresses.
#pragma once

#include "launcher_fixture.h"

#include <string>
#include <vector>

struct ButtonEntry {
    std::string action;
    std::string url;
    std::string args;
};

// The sections of a form with these buttons, one under the other.
std::string FormSections(const std::string& form, const std::vector<ButtonEntry>& buttons);

class ActionTest : public LauncherTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a plain picture and a Setup.ini whose first form has these
    // buttons, followed by the other sections and the English (with the
    // further lines given) and German texts.
    void WriteForms(const std::vector<ButtonEntry>& mainButtons,
                    const std::string& otherSections = "",
                    const std::string& moreEnglishTexts = "") const;

    // The form's button with this number (1 to 10).
    static HWND Button(const WindowFacts& form, int number);

    // The records of the started stand-ins once `count` of them have come
    // (or the wait is over): "CMD=" and "CWD=" lines.
    std::string WaitForRecords(int count) const;
    // The addresses the browser was given once `count` have come.
    std::string WaitForAddresses(int count) const;

    struct ShownBox {
        std::string text;
        LPCSTR icon = nullptr;
    };
    // Presses the button, reads the message box it brings and answers it.
    ShownBox PressForMessage(const WindowFacts& form, int number);

    std::string RecordLogPath() const { return folder() + "\\record.log"; }
};
