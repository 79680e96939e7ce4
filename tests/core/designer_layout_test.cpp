// The designer's layout editing: snapping, alignment, and the document edits
// of buttons and forms, each changing only its own lines.
#include "form_reach.h"
#include "layout_edits.h"
#include "layout_geometry.h"

#include <gtest/gtest.h>

#include <functional>

// Found by the assertions for the global PixelRect.
static bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

TEST(LayoutGeometry, SnapsTheNearestMovingLineWithinReach) {
    const std::vector<PixelRect> guides{{0, 0, 640, 400}, {400, 64, 608, 94}};
    struct Case {
        const char* what;
        PixelRect rect;
        MovingEdges moving;
        int reach;
        PixelRect expected;
    } cases[] = {
        {"left edge to a left edge", {397, 200, 497, 230}, kWholeRect, 5, {400, 200, 500, 230}},
        {"right edge to a right edge", {510, 200, 610, 230}, kWholeRect, 5, {508, 200, 608, 230}},
        {"centre to the picture's centre",
         {268, 300, 368, 330},
         kWholeRect,
         5,
         {270, 300, 370, 330}},
        {"top to a bottom, 3 away", {100, 97, 200, 127}, kWholeRect, 5, {100, 94, 200, 124}},
        {"nothing within reach", {100, 150, 200, 180}, kWholeRect, 5, {100, 150, 200, 180}},
        {"just beyond reach", {394, 150, 494, 180}, kWholeRect, 5, {394, 150, 494, 180}},
        {"a resized right edge only",
         {100, 150, 603, 180},
         {false, false, true, false},
         5,
         {100, 150, 608, 180}},
        {"a resize never moves the fixed edge",
         {396, 150, 500, 180},
         {false, false, true, false},
         5,
         {396, 150, 504, 180}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Snapped(c.rect, c.moving, guides, c.reach), c.expected) << c.what;
}

TEST(LayoutGeometry, DragsHandlesAndAlignsSelections) {
    EXPECT_EQ(Dragged({10, 10, 50, 30}, kWholeRect, 5, -3), (PixelRect{15, 7, 55, 27}));
    EXPECT_EQ(Dragged({10, 10, 50, 30}, {false, false, true, true}, 7, 4),
              (PixelRect{10, 10, 57, 34}));
    // A handle dragged past the opposite edge stops a pixel short of it.
    EXPECT_EQ(Dragged({10, 10, 50, 30}, {true, false, false, false}, 100, 0),
              (PixelRect{49, 10, 50, 30}));
    EXPECT_EQ(Dragged({10, 10, 50, 30}, {false, false, false, true}, 0, -100),
              (PixelRect{10, 10, 50, 11}));

    const std::vector<PixelRect> selection{{10, 10, 50, 30}, {100, 60, 120, 100}};
    struct Case {
        Alignment alignment;
        PixelRect second;
    } cases[] = {
        {Alignment::kLeft, {10, 60, 30, 100}},
        {Alignment::kRight, {30, 60, 50, 100}},
        {Alignment::kTop, {100, 10, 120, 50}},
        {Alignment::kBottom, {100, -10, 120, 30}},
        {Alignment::kHorizontalCentre, {20, 60, 40, 100}},
        {Alignment::kVerticalCentre, {100, 0, 120, 40}},
    };
    for (const Case& c : cases) {
        std::vector<PixelRect> rects = selection;
        Align(rects, c.alignment);
        EXPECT_EQ(rects[0], selection[0]);
        EXPECT_EQ(rects[1], c.second) << static_cast<int>(c.alignment);
    }
    std::vector<PixelRect> rects = selection;
    MakeSameSize(rects);
    EXPECT_EQ(rects[1], (PixelRect{100, 60, 140, 80}));
}

constexpr const char* kForm =
    "; a form\r\n"
    "[main]\r\nbuttonCount=3\r\n\r\n"
    "[main.button1]\r\nlabel=IDS_A\r\nx=10\r\ny=20\r\nwidth=100\r\nheight=30\r\n"
    "[main.button2]\r\nlabel=IDS_B\r\naction=subform\r\nurl=more\r\n"
    "[main.button3]\r\nlabel=IDS_C\r\n"
    "[more]\r\nbuttonCount=0\r\n"
    "[old]\r\nbuttonCount=1\r\n[old.button1]\r\nlabel=IDS_OLD\r\n";

TEST(LayoutEdits, EachEditChangesOnlyItsLines) {
    struct Case {
        const char* what;
        std::function<void(IniDocument&)> edit;
        std::string expected;
    } cases[] = {
        {"a moved button: only x and y",
         [](IniDocument& d) {
             SetButtonBounds(d, "main", 1, {15, 25, 115, 55});
         },
         "; a "
         "form\r\n[main]\r\nbuttonCount=3\r\n\r\n[main.button1]\r\nlabel=IDS_A\r\nx=15\r\ny=25\r\n"
         "width=100\r\nheight=30\r\n[main.button2]\r\nlabel=IDS_B\r\naction=subform\r\nurl=more\r\n"
         "[main.button3]\r\nlabel=IDS_C\r\n[more]\r\nbuttonCount=0\r\n[old]\r\nbuttonCount=1\r\n"
         "[old.button1]\r\nlabel=IDS_OLD\r\n"},
        {"a button deleted: the later one takes its number",
         [](IniDocument& d) { DeleteButton(d, "main", 2); },
         "; a "
         "form\r\n[main]\r\nbuttonCount=2\r\n\r\n[main.button1]\r\nlabel=IDS_A\r\nx=10\r\ny=20\r\n"
         "width=100\r\nheight=30\r\n[main.button2]\r\nlabel=IDS_C\r\n[more]\r\nbuttonCount=0\r\n"
         "[old]\r\nbuttonCount=1\r\n[old.button1]\r\nlabel=IDS_OLD\r\n"},
        {"the last button made the first", [](IniDocument& d) { RenumberButton(d, "main", 3, 1); },
         "; a "
         "form\r\n[main]\r\nbuttonCount=3\r\n\r\n[main.button2]\r\nlabel=IDS_A\r\nx=10\r\ny=20\r\n"
         "width=100\r\nheight=30\r\n[main.button3]\r\nlabel=IDS_B\r\naction=subform\r\nurl=more\r\n"
         "[main.button1]\r\nlabel=IDS_C\r\n[more]\r\nbuttonCount=0\r\n[old]\r\nbuttonCount=1\r\n"
         "[old.button1]\r\nlabel=IDS_OLD\r\n"},
        {"a form no button opens, deleted with its buttons",
         [](IniDocument& d) { DeleteForm(d, "old"); },
         "; a "
         "form\r\n[main]\r\nbuttonCount=3\r\n\r\n[main.button1]\r\nlabel=IDS_A\r\nx=10\r\ny=20\r\n"
         "width=100\r\nheight=30\r\n[main.button2]\r\nlabel=IDS_B\r\naction=subform\r\nurl=more\r\n"
         "[main.button3]\r\nlabel=IDS_C\r\n[more]\r\nbuttonCount=0\r\n"},
    };
    for (const Case& c : cases) {
        IniDocument document = IniDocument::FromBytes(kForm);
        c.edit(document);
        EXPECT_EQ(document.ToBytes(), c.expected) << c.what;
    }
}

TEST(LayoutEdits, AddsButtonsBelowTheLastAndFormsThroughANewButton) {
    IniDocument document = IniDocument::FromBytes(kForm);
    ASSERT_TRUE(AddButton(document, "more"));
    EXPECT_EQ(ButtonCount(document, "more"), 1);
    EXPECT_EQ(document.Value("more.button1", "label"),
              std::optional<std::string>("IDS_MORE_BUTTON1"));
    ASSERT_TRUE(AddButton(document, "more"));
    // Under the one before, as high as it, a gap between.
    const PixelRect first = ButtonBounds(document, "more", 1);
    const PixelRect second = ButtonBounds(document, "more", 2);
    EXPECT_EQ(second.left, first.left);
    EXPECT_EQ(second.top, first.bottom + 8);
    EXPECT_EQ(second.bottom - second.top, first.bottom - first.top);

    const std::string form = AddForm(document, "more");
    EXPECT_EQ(form, "form2");
    EXPECT_EQ(SubformOf(document, "more", 3), "form2");
    EXPECT_EQ(document.Integer("form2", "buttonCount", -1), 0);
    EXPECT_EQ(ReachableForms(document), (std::vector<std::string>{"main", "more", "form2"}));
    EXPECT_EQ(UnreachedForms(document), (std::vector<std::string>{"old"}));

    // Ten at most.
    IniDocument full = IniDocument::FromBytes("[main]\r\nbuttonCount=10\r\n");
    EXPECT_FALSE(AddButton(full, "main"));
    EXPECT_EQ(AddForm(full, "main"), "");
    EXPECT_EQ(full.ToBytes(), "[main]\r\nbuttonCount=10\r\n");
}

} // namespace
