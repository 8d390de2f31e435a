// The catalogue of the game's texts: every entry in both languages, the English ones readable
// without Japanese, the Japanese ones the texts the game has always shown.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "japanese.h"
#include "settings/texts.h"

namespace banzuri {
namespace {

using testing::has_japanese;

TEST(TextCatalogue, EveryEntryHasBothLanguagesAndTheEnglishHasNoJapanese) {
    std::set<std::string> names;
    for (const CatalogueEntry& entry : text_catalogue()) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_NE(std::string(entry.japanese), "") << entry.name;
        EXPECT_NE(std::string(entry.english), "") << entry.name;
        EXPECT_FALSE(has_japanese(entry.english)) << entry.name << ": " << entry.english;
        EXPECT_NE(std::string(entry.japanese), entry.english) << entry.name;
    }
    EXPECT_GT(names.size(), 50u);
}

TEST(TextCatalogue, EachIdGivesItsOwnEntryInEachLanguage) {
    const auto& entries = text_catalogue();
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const auto id = static_cast<TextId>(n);
        EXPECT_EQ(text(id, Language::JAPANESE), entries[n].japanese);
        EXPECT_EQ(text(id, Language::ENGLISH), entries[n].english);
    }
}

TEST(TextCatalogue, JapaneseIsTheGamesOwnWording) {
    EXPECT_EQ(text(TextId::START_FIRST, Language::JAPANESE), "「対局」で始めて下さい");
    EXPECT_EQ(text(TextId::WIN_YOU, Language::JAPANESE), "あなたの勝ちです");
    EXPECT_EQ(text(TextId::WIN_COMPUTER, Language::JAPANESE), "ｺﾝﾋﾟｭｰﾀの勝ちです");
    EXPECT_EQ(text(TextId::PLAY_AGAIN, Language::JAPANESE), "続けますか？");
    EXPECT_EQ(text(TextId::TITLE_PLAY_AGAIN, Language::JAPANESE), "再ゲーム");
    EXPECT_EQ(text(TextId::CLICK_RIGHT, Language::JAPANESE), "マウスの右をクリックして下さい");
    EXPECT_EQ(text(TextId::TITLE_HANDICAP, Language::JAPANESE), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    EXPECT_EQ(text(TextId::THINKING, Language::JAPANESE), "思考中");
    EXPECT_EQ(text(TextId::MOVE_NUMBER_SUFFIX, Language::JAPANESE), "手目");
}

}  // namespace
}  // namespace banzuri
