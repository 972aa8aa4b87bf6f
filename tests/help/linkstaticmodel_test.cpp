#include "linkstaticmodel.h"
#include "recordingmessages.h"
#include "stublinkopener.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kHighlight = RGB(48, 140, 198);
constexpr COLORREF kBlue = RGB(0, 0, 238);
constexpr COLORREF kPurple = RGB(85, 26, 139);
constexpr COLORREF kRed = RGB(255, 0, 0);

LinkStaticModel Attached(const std::string& text = "Visit Kestrin on the Web") {
    LinkStaticModel model({kFace, kHighlight});
    model.Attach(text);
    return model;
}

TEST(LinkStaticModel, StartsBlueOnButtonFaceUnderlinedOnlyWhileHovering) {
    const LinkStaticModel model = Attached();
    EXPECT_EQ(RGB(1, 2, 3), 0x00030201u);
    EXPECT_EQ(model.NormalColour(), kBlue);
    EXPECT_EQ(model.VisitedColour(), kPurple);
    EXPECT_EQ(model.HoverColour(), kRed);
    EXPECT_EQ(model.BackgroundColour(), kFace);
    EXPECT_EQ(model.TextColour(), kBlue);
    EXPECT_EQ(model.UnderlineMode(), -1);
    EXPECT_FALSE(model.IsUnderlinedFontSelected());
    EXPECT_TRUE(model.FitToText());
}

TEST(LinkStaticModel, SetLinkColoursKeepsWhatTheMainWindowPassesBack) {
    LinkStaticModel model = Attached();
    model.SetLinkColours(RGB(255, 255, 255), model.NormalColour(), model.VisitedColour(),
                         model.HoverColour());
    EXPECT_EQ(model.BackgroundColour(), RGB(255, 255, 255));
    EXPECT_EQ(model.NormalColour(), kBlue);
    EXPECT_EQ(model.VisitedColour(), kPurple);
    EXPECT_EQ(model.HoverColour(), kRed);

    model.SetLinkColours(1, 2, 3, kLinkSystemHighlight);
    EXPECT_EQ(model.HoverColour(), kHighlight) << "-1 is the system's highlight";
}

TEST(LinkStaticModel, AttachingSharesTextAndAddress) {
    const struct {
        const char* name;
        const char* address; // set before attaching
        const char* text;
        const char* shown;
        const char* finalAddress;
    } rows[] = {
        {"the text is the address", "", "Visit Kestrin on the Web", "Visit Kestrin on the Web",
         "Visit Kestrin on the Web"},
        {"an empty text shows the address", "https://a.example/", "", "https://a.example/",
         "https://a.example/"},
        {"both kept", "https://a.example/", "Homepage", "Homepage", "https://a.example/"},
        {"nothing at all", "", "", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LinkStaticModel model({kFace, kHighlight});
        model.SetLinkAddress(row.address);
        EXPECT_EQ(model.Attach(row.text), row.shown);
        EXPECT_EQ(model.LinkAddress(), row.finalAddress);
    }
}

TEST(LinkStaticModel, UnderlineFollowsTheModeWhileHoveringAndAfterLeaving) {
    const struct {
        int mode;
        bool before;
        bool hovering;
        bool after;
    } rows[] = {
        {-1, false, true, false},
        {0, false, false, false},
        {1, true, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        LinkStaticModel model = Attached();
        EXPECT_EQ(model.SetUnderlineMode(row.mode), row.mode != -1);
        EXPECT_EQ(model.IsUnderlinedFontSelected(), row.before);
        EXPECT_TRUE(model.PointerMoved());
        EXPECT_EQ(model.TextColour(), kRed);
        EXPECT_EQ(model.IsUnderlinedFontSelected(), row.hovering);
        EXPECT_FALSE(model.PointerMoved()) << "already hovering";
        EXPECT_FALSE(model.HoverTick(true)) << "still inside";
        EXPECT_TRUE(model.IsHovering());
        EXPECT_TRUE(model.HoverTick(false));
        EXPECT_FALSE(model.IsHovering());
        EXPECT_EQ(model.TextColour(), kBlue);
        EXPECT_EQ(model.IsUnderlinedFontSelected(), row.after);
    }
}

TEST(LinkStaticModel, SettingTheCurrentModeChangesNothing) {
    LinkStaticModel model = Attached();
    model.PointerMoved();
    ASSERT_TRUE(model.IsUnderlinedFontSelected());
    EXPECT_FALSE(model.SetUnderlineMode(-1));
    EXPECT_TRUE(model.IsUnderlinedFontSelected()) << "the hover font stays";
    EXPECT_TRUE(model.SetUnderlineMode(0));
    EXPECT_FALSE(model.IsUnderlinedFontSelected());
}

TEST(LinkStaticModel, AClickEndsHoveringAndAFailureClearsAnEarlierVisit) {
    LinkStaticModel model = Attached();
    model.SetLinkAddress("https://kestrin.example.com/");
    model.PointerMoved();
    StubLinkOpener opener(33);
    RecordingMessages messages;
    EXPECT_TRUE(model.Click(opener, messages, TextLocale{}));
    EXPECT_EQ(opener.addresses, std::vector<std::string>{"https://kestrin.example.com/"});
    EXPECT_FALSE(model.IsHovering());
    EXPECT_EQ(model.TextColour(), kPurple);

    opener.nCode = 32;
    EXPECT_FALSE(model.Click(opener, messages, TextLocale{}));
    EXPECT_EQ(model.TextColour(), kBlue);
    EXPECT_EQ(messages.nBeeps, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Unable to open hyperlink:\n\nThe specified dynamic-link library was not found.");
}

TEST(FitLinkRect, KeepsTheEdgeTheAlignmentNames) {
    const Rect window = Rect::FromSize(10, 20, 100, 30);
    struct Placed {
        int x, y, width, height;
    };
    const struct {
        const char* name;
        bool centreV;
        LinkAlign align;
        int width;
        int height;
        Placed expected;
    } rows[] = {
        {"left, top", false, LinkAlign::Left, 41, 13, {10, 20, 41, 13}},
        {"centred both ways, odd differences", true, LinkAlign::Centre, 41, 13, {39, 28, 41, 13}},
        {"right edge kept", false, LinkAlign::Right, 41, 13, {69, 20, 41, 13}},
        {"grows when the text is larger", true, LinkAlign::Left, 120, 36, {10, 17, 120, 36}},
        {"grows to the left at the right edge",
         false,
         LinkAlign::Right,
         120,
         30,
         {-10, 20, 120, 30}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Placed& e = row.expected;
        EXPECT_EQ(FitLinkRect(window, row.width, row.height, row.centreV, row.align),
                  Rect::FromSize(e.x, e.y, e.width, e.height));
    }
}

} // namespace
