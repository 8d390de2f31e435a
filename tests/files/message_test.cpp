// A message in both languages: filled in language by language, and verbatim text the same in
// both.
#include "files/message.h"

#include <gtest/gtest.h>

namespace banzuri::files {
namespace {

TEST(Message, EachLanguageIsFilledWithTheSameLanguagesArguments) {
    const Message file = verbatim("a.kif");
    const Message why{"フォルダです", "it is a folder"};
    const Message said =
        fill({"「%1」を保存できません: %2", "“%1” cannot be saved: %2"}, {file, why});
    EXPECT_EQ(said.japanese, "「a.kif」を保存できません: フォルダです");
    EXPECT_EQ(said.english, "“a.kif” cannot be saved: it is a folder");
    // The arguments may come in another order in the other language, or more than once.
    EXPECT_EQ(fill({"%2%1", "%1 %1"}, {why, file}),
              (Message{"a.kifフォルダです", "it is a folder it is a folder"}));
}

TEST(Message, PercentSignsWithNoArgumentAndArgumentsHoldingPercentStayAsTheyAre) {
    EXPECT_EQ(fill({"100%", "%3 of %1"}, {verbatim("x")}), (Message{"100%", "%3 of x"}));
    // An argument's own "%1" is not filled again.
    EXPECT_EQ(fill({"%1%2", "%1%2"}, {verbatim("%2"), verbatim("!")}), verbatim("%2!"));
    EXPECT_TRUE(Message{}.empty());
    EXPECT_FALSE(verbatim("0").empty());
    EXPECT_EQ((verbatim("a") + Message{"い", "b"}), (Message{"aい", "ab"}));
}

}  // namespace
}  // namespace banzuri::files
