// The sample installation folder demo/ as shipped: its first form in each of
// its six languages.
#include "launcher_fixture.h"

#include <algorithm>
#include <string>

namespace {

struct SampleLanguage {
    const char* code;
    const char* firstCaption; // bytes in the code page of the language's section
    const char* lastCaption;
};

void PrintTo(const SampleLanguage& language, std::ostream* out) {
    *out << language.code;
}

class Sample : public LauncherTest, public ::testing::WithParamInterface<SampleLanguage> {};

TEST_P(Sample, FirstFormShowsSevenButtonsInTheLanguageOfTheArgument) {
    char codePage[8] = {};
    if (::GetEnvironmentVariableA("SYSTEM_CODE_PAGE", codePage, sizeof codePage)) {
        ASSERT_EQ(::GetACP(), std::stoul(codePage)) << "the run was set up in another code page";
    }
    CopySample();
    Start(GetParam().code);
    const WindowFacts form = WaitForWindow(program().id(), "Sample Product Setup", kWaitMs);
    ASSERT_NE(form.hwnd, nullptr);
    EXPECT_EQ(form.screenRect.right - form.screenRect.left, 640);
    EXPECT_EQ(form.screenRect.bottom - form.screenRect.top, 400);

    std::vector<ChildFacts> buttons = ChildrenOf(form.hwnd);
    ASSERT_EQ(buttons.size(), 7u);
    std::sort(buttons.begin(), buttons.end(),
              [](const ChildFacts& a, const ChildFacts& b) { return a.id < b.id; });
    EXPECT_EQ(buttons.front().caption, GetParam().firstCaption);
    EXPECT_EQ(buttons.back().caption, GetParam().lastCaption);
    for (const ChildFacts& button : buttons) {
        EXPECT_FALSE(button.caption.empty()) << "button " << button.id;
        // Every button lies in the picture's panel on the right.
        EXPECT_GE(button.rect.left, 384);
        EXPECT_LE(button.rect.right, 624);
        EXPECT_GE(button.rect.top, 48);
        EXPECT_LE(button.rect.bottom, 344);
    }

    // The version text, white, at the bottom left.
    const ScreenImage shot = CaptureForm(form);
    int white = 0;
    for (int y = 364; y < 384; ++y)
        for (int x = 34; x < 140; ++x)
            white += shot.at(x, y) == 0xFFFFFF;
    EXPECT_GT(white, 20);
}

const SampleLanguage kSampleLanguages[] = {
    {"EN", "Install Sample Product", "Exit"},
    {"FR", "Installer Sample Product", "Quitter"},
    {"DE", "Sample Product installieren", "Beenden"},
    {"ES", "Instalar Sample Product", "Salir"},
    {"IT", "Installa Sample Product", "Esci"},
    {"JA", "Sample Product \x82\xCC\x83\x43\x83\x93\x83X\x83g\x81[\x83\x8B", "\x8FI\x97\xB9"},
};

// Without an argument the launcher speaks the system's language. Run once per
// system locale, set up with SYSTEM_LOCALE="CODE,LCID" for the locale in LC_ALL:
// the run first proves the system has that locale, then expects that code's
// captions (none for a language the sample lacks).
TEST_F(LauncherTest, SampleWithoutArgumentSpeaksTheSystemsLanguage) {
    char locale[32] = {};
    ::GetEnvironmentVariableA("SYSTEM_LOCALE", locale, sizeof locale);
    const std::string setUp = locale;
    ASSERT_EQ(setUp.find(','), 2u) << "SYSTEM_LOCALE=CODE,LCID, not \"" << setUp << "\"";
    const std::string code = setUp.substr(0, 2);
    ASSERT_EQ(::GetSystemDefaultLCID(), std::stoul(setUp.substr(3)))
        << "the system locale is not the one the run was set up with";
    std::string first, last;
    for (const SampleLanguage& language : kSampleLanguages)
        if (code == language.code) {
            first = language.firstCaption;
            last = language.lastCaption;
        }

    CopySample();
    Start();
    const WindowFacts form = WaitForWindow(program().id(), "Sample Product Setup", kWaitMs);
    ASSERT_NE(form.hwnd, nullptr);
    std::vector<ChildFacts> buttons = ChildrenOf(form.hwnd);
    ASSERT_EQ(buttons.size(), 7u);
    std::sort(buttons.begin(), buttons.end(),
              [](const ChildFacts& a, const ChildFacts& b) { return a.id < b.id; });
    EXPECT_EQ(buttons.front().caption, first) << "system language " << code;
    EXPECT_EQ(buttons.back().caption, last) << "system language " << code;
}

INSTANTIATE_TEST_SUITE_P(Languages, Sample, ::testing::ValuesIn(kSampleLanguages),
                         [](const auto& info) { return std::string(info.param.code); });

} // namespace
