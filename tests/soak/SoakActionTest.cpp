#include "soak/SoakAction.h"

#include <gtest/gtest.h>

using namespace korvanda::soak;

TEST(SoakActionTest, EveryTextComesBackFromItsLine)
{
    const std::string texts[] = { "", " ", "plain", "two words", "tab\there", "100%", "%41", "line\r\nend",
        "Zo\xc3\xab \xe2\x82\xac", std::string(300, 'W'), "a%" };
    for (const auto& text : texts) {
        const SoakAction action { 0xfeedbeef, "type", { "TeamScreen/TeamEditFrame/TeamNameBox", text } };
        const auto line = action.line();
        EXPECT_EQ(line.find_first_of("\t\r\n"), std::string::npos) << line;
        const auto back = SoakAction::parse(line);
        ASSERT_TRUE(back) << line;
        EXPECT_EQ(back->answers, action.answers);
        EXPECT_EQ(back->verb, action.verb);
        EXPECT_EQ(back->args, action.args) << line;
    }
}

TEST(SoakActionTest, ACaseNeedsItsMeetAndSkipsCommentsAndOddLines)
{
    const auto soakCase
        = SoakCase::parse("# found by seed 7\nmeet 7\n1f click A/B\n\nzz click A/C\n2 menu A &File E&xit\n");
    ASSERT_TRUE(soakCase);
    EXPECT_EQ(soakCase->meetSeed, 7u);
    ASSERT_EQ(soakCase->actions.size(), 2u);
    EXPECT_EQ(soakCase->actions[0].answers, 0x1fu);
    EXPECT_EQ(soakCase->actions[1].args, (std::vector<std::string> { "A", "&File", "E&xit" }));
    EXPECT_EQ(SoakCase::parse(soakCase->text())->actions.size(), 2u);
    EXPECT_FALSE(SoakCase::parse("1f click A/B\n"));
}
