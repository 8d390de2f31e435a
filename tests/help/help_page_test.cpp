// The help page shipped next to the game: well-formed HTML5 in UTF-8 that works offline, uses
// only pictures of the picture set and names every menu item and handicap label exactly.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "render/labels.h"

namespace banzuri {
namespace {

std::filesystem::path source_root() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

std::string read_page(const char* name = "Banzuri.htm") {
    const auto page = source_root() / "src" / "help" / name;
    std::ifstream in(page, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool valid_utf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80           ? 1
                                   : (c >> 5) == 0x6  ? 2
                                   : (c >> 4) == 0xE  ? 3
                                   : (c >> 3) == 0x1E ? 4
                                                      : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
        i += length;
    }
    return true;
}

struct Tag {
    std::string name;
    std::string text;  // the whole tag, attributes included
    bool closing = false;
};

// The tags of the page in order; the contents of <style> and comments are skipped.
std::vector<Tag> tags_of(const std::string& page) {
    std::vector<Tag> tags;
    std::size_t i = 0;
    while ((i = page.find('<', i)) != std::string::npos) {
        if (page.compare(i, 4, "<!--") == 0) {
            i = page.find("-->", i);
            if (i == std::string::npos) break;
            continue;
        }
        const std::size_t end = page.find('>', i);
        if (end == std::string::npos) break;
        Tag tag;
        tag.text = page.substr(i, end - i + 1);
        tag.closing = tag.text.size() > 1 && tag.text[1] == '/';
        const std::size_t start = tag.closing ? 2 : 1;
        std::size_t stop = start;
        while (stop < tag.text.size() &&
               (std::isalnum(static_cast<unsigned char>(tag.text[stop])) || tag.text[stop] == '!'))
            ++stop;
        tag.name = tag.text.substr(start, stop - start);
        tags.push_back(tag);
        i = end + 1;
        if (!tag.closing && tag.name == "style") i = page.find("</style>", i);
    }
    return tags;
}

// Names of the elements left open or closed out of order; empty when the page is balanced.
std::vector<std::string> unbalanced(const std::vector<Tag>& tags) {
    static const std::set<std::string> kVoid = {"!DOCTYPE", "meta",  "img", "br",    "hr",
                                                "link",     "input", "wbr", "source"};
    std::vector<std::string> open;
    std::vector<std::string> faults;
    for (const Tag& tag : tags) {
        if (kVoid.count(tag.name)) continue;
        if (!tag.closing) {
            open.push_back(tag.name);
        } else if (!open.empty() && open.back() == tag.name) {
            open.pop_back();
        } else {
            faults.push_back("</" + tag.name + ">");
        }
    }
    for (const auto& name : open)
        faults.push_back("<" + name + ">");
    return faults;
}

std::string attribute(const std::string& tag, const std::string& name) {
    const std::regex pattern(" " + name + "=\"([^\"]*)\"");
    std::smatch match;
    return std::regex_search(tag, match, pattern) ? match[1].str() : std::string("\x01");
}

class ShippedHelpPage : public ::testing::Test {
  protected:
    void SetUp() override {
        page = read_page();
        ASSERT_FALSE(page.empty()) << "the help page is missing";
        tags = tags_of(page);
    }
    std::string page;
    std::vector<Tag> tags;
};

TEST_F(ShippedHelpPage, IsAWellFormedJapaneseHtml5DocumentInUtf8) {
    EXPECT_TRUE(valid_utf8(page));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"ja\">", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<title>Banzuri 解説</title>"), std::string::npos);
    EXPECT_EQ(unbalanced(tags), std::vector<std::string>{});
}

// Both pages link the one stylesheet beside their pictures, which reaches for nothing else.
void expect_offline_with_the_shared_stylesheet(const std::vector<Tag>& tags) {
    int links = 0;
    for (const Tag& tag : tags) {
        EXPECT_NE(tag.name, "script") << "no scripts";
        EXPECT_NE(tag.name, "style") << "the stylesheet is shared, not copied";
        EXPECT_EQ(tag.text.find("://"), std::string::npos) << tag.text;
        if (tag.name != "link") continue;
        ++links;
        EXPECT_EQ(attribute(tag.text, "rel"), "stylesheet");
        EXPECT_EQ(attribute(tag.text, "href"), "Banzuri_files/help.css");
    }
    EXPECT_EQ(links, 1);
    const std::string css = read_page("Banzuri_files/help.css");
    EXPECT_NE(css.find("table.board"), std::string::npos);
    EXPECT_EQ(css.find("@import"), std::string::npos);
    EXPECT_EQ(css.find("url("), std::string::npos);
    EXPECT_EQ(css.find("://"), std::string::npos);
}

TEST_F(ShippedHelpPage, WorksOfflineWithTheSharedStylesheet) {
    expect_offline_with_the_shared_stylesheet(tags);
}

TEST_F(ShippedHelpPage, ShowsOnlyPicturesOfThePictureSetWithSizesAndTexts) {
    const std::regex picture(
        "Banzuri_files/((INTL_)?(SITA|UE)_((HU|KYOU|KEI|GIN|KAKU|SYA)_[01]|KIN|OU)|KARA_MASU|PA1|"
        "PA2|KANBAN)\\.png");
    int pictures = 0;
    for (const Tag& tag : tags) {
        if (tag.name != "img") continue;
        ++pictures;
        EXPECT_TRUE(std::regex_match(attribute(tag.text, "src"), picture)) << tag.text;
        EXPECT_NE(attribute(tag.text, "alt"), "\x01") << tag.text;
        EXPECT_NE(attribute(tag.text, "width"), "\x01") << tag.text;
        EXPECT_NE(attribute(tag.text, "height"), "\x01") << tag.text;
    }
    EXPECT_GT(pictures, 81) << "the starting position and the capture diagrams";
}

// Every piece of the movement table stands with its kanji and its international picture side
// by side, promoted pieces too.
TEST_F(ShippedHelpPage, ShowsEveryPieceInBothSets) {
    const std::size_t table = page.find("<table class=\"list pieces\">");
    ASSERT_NE(table, std::string::npos);
    for (const char* name : {"OU", "SYA_0", "SYA_1", "KAKU_0", "KAKU_1", "KIN", "GIN_0", "GIN_1",
                             "KEI_0", "KEI_1", "KYOU_0", "KYOU_1", "HU_0", "HU_1"}) {
        const std::string kanji = std::string("Banzuri_files/SITA_") + name + ".png";
        const std::string international = std::string("Banzuri_files/INTL_SITA_") + name + ".png";
        const std::size_t at = page.find("<img src=\"" + kanji + "\"", table);
        ASSERT_NE(at, std::string::npos) << name;
        const std::size_t next = page.find("<img", at + 1);
        const std::string expected = "<img src=\"" + international + "\"";
        EXPECT_EQ(page.compare(next, expected.size(), expected), 0) << name;
    }
}

TEST_F(ShippedHelpPage, EveryLinkLeadsToASectionOfThePage) {
    std::set<std::string> ids;
    for (const Tag& tag : tags)
        if (const std::string id = attribute(tag.text, "id"); id != "\x01") {
            EXPECT_TRUE(ids.insert(id).second) << "duplicate id " << id;
        }
    for (const Tag& tag : tags) {
        if (tag.name != "a" || tag.closing) continue;
        const std::string href = attribute(tag.text, "href");
        ASSERT_EQ(href.rfind('#', 0), 0u) << tag.text;
        EXPECT_TRUE(ids.count(href.substr(1))) << href;
    }
}

TEST_F(ShippedHelpPage, NamesEveryMenuItemByItsCaption) {
    for (const char* caption : {"対局",
                                "対局(人間)",
                                "スタート",
                                "対局(COM)",
                                "先手",
                                "後手",
                                "COM対局ﾚﾍﾞﾙ",
                                "LEVEL1",
                                "LEVEL2",
                                "LEVEL3",
                                "LEVEL4",
                                "LEVEL5",
                                "ヒント",
                                "終わり",
                                "局面",
                                "最初",
                                "反転",
                                "戻",
                                "進",
                                "△",
                                "▽",
                                "ｵﾌﾟｼｮﾝ",
                                "背景画",
                                "緑",
                                "畳",
                                "竹",
                                "宇宙",
                                "煉瓦",
                                "移動指導",
                                "最終手を強調",
                                "駒の絵",
                                "漢字",
                                "国際",
                                "言語 (Language)",
                                "日本語",
                                "English",
                                "経過時間",
                                "BGM",
                                "その他",
                                "解説",
                                "バージョン情報",
                                "ホームページ",
                                "O K",
                                "棋譜を開く…",
                                "棋譜を保存…",
                                "局面をコピー",
                                "前回の対局を再開",
                                "待った",
                                "開始局面を表示",
                                "最新の局面を表示",
                                "対局を検討",
                                "中止",
                                "棋譜"})
        EXPECT_NE(page.find(std::string("<span class=\"menu\">") + caption + "</span>"),
                  std::string::npos)
            << caption;
}

TEST_F(ShippedHelpPage, ListsTheWholeHandicapLadderInOrder) {
    std::size_t from = 0;
    for (int level = -10; level <= 10; ++level) {
        const std::string cell = "<td>" + label_text(level) + "</td>";
        const std::size_t at = page.find(cell, from);
        ASSERT_NE(at, std::string::npos) << label_text(level);
        from = at + cell.size();
    }
}

TEST_F(ShippedHelpPage, QuotesTheMessagesThePlayerMeets) {
    for (const char* message :
         {"「対局」で始めて下さい",
          "新規に対局してください",
          "マウスの右をクリックして下さい",
          "OKですか？",
          "できません",
          "対局途中ではできません",
          "反転後ではできません",
          "続けますか？",
          "あなたの勝ちです",
          "保存する対局がありません",
          "前回の対局は残っていません",
          "保存していない指し手があります。",
          "待ったできる手がありません",
          "対局は終わっています。",
          "コンピュータが考えている間は待ったできません",
          "検討する指し手がありません",
          "疑問手",
          "悪手",
          "▲先手の番",
          "△後手の番",
          "再開する対局を選んでください。",
          "ほかに開いているウィンドウが多すぎるため、この対局は自動保存できません。"})
        EXPECT_NE(page.find(message), std::string::npos) << message;
    EXPECT_NE(page.find("Banzuri.ini"), std::string::npos);
    // The warnings of a file that cannot be written stand in the table of messages.
    const std::size_t table = page.find("<section id=\"messages\">");
    ASSERT_NE(table, std::string::npos);
    for (const char* warning : {"<td class=\"msg\">設定ファイル「Banzuri.ini」に書き込めません。",
                                "<td class=\"msg\">対局を自動保存できません。"})
        EXPECT_NE(page.find(warning, table), std::string::npos) << warning;
}

// The keys the page lists are the keys it speaks of: nowhere does it say the keyboard is not
// used, and every key named elsewhere is in the table of keys.
TEST_F(ShippedHelpPage, SpeaksOfTheKeysItsTableLists) {
    EXPECT_EQ(page.find("キーボードは使いません"), std::string::npos);
    const std::size_t keys = page.find("<section id=\"keys\">");
    ASSERT_NE(keys, std::string::npos);
    const std::string table = page.substr(keys, page.find("</section>", keys) - keys);
    const std::regex kbd("<kbd>([^<]*)</kbd>");
    for (std::sregex_iterator it(page.begin(), page.end(), kbd), end; it != end; ++it)
        EXPECT_NE(table.find("<kbd>" + (*it)[1].str() + "</kbd>"), std::string::npos)
            << (*it)[1].str();
}

TEST(HelpPageChecker, FindsUnbalancedTags) {
    EXPECT_EQ(unbalanced(tags_of("<p><b>x</p></b>")), (std::vector<std::string>{"</p>", "<p>"}));
    EXPECT_TRUE(unbalanced(tags_of("<style>p < b {}</style><p>a<br>b<img src=\"x\"></p>")).empty());
    EXPECT_FALSE(valid_utf8("\xE7\x9B"));
    EXPECT_TRUE(valid_utf8("盤"));
}

}  // namespace
}  // namespace banzuri

namespace banzuri {
namespace {

class EnglishHelpPage : public ::testing::Test {
  protected:
    void SetUp() override {
        page = read_page("Banzuri-en.htm");
        ASSERT_FALSE(page.empty()) << "the English help page is missing";
        tags = tags_of(page);
    }
    std::string page;
    std::vector<Tag> tags;
};

// Kana, kanji, CJK punctuation and full-width forms.
std::vector<std::string> japanese_words(const std::string& page) {
    const std::regex japanese(
        "(\xE3[\x80-\x83][\x80-\xBF]|[\xE4-\xE9][\x80-\xBF]{2}|"
        "\xEF[\xBC-\xBF][\x80-\xBF])+");
    std::vector<std::string> words;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), japanese);
         it != std::sregex_iterator(); ++it)
        words.push_back(it->str());
    return words;
}

TEST_F(EnglishHelpPage, IsAWellFormedEnglishPageWithTheSamePictures) {
    EXPECT_TRUE(valid_utf8(page));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u);
    EXPECT_EQ(unbalanced(tags), std::vector<std::string>{});
    const std::regex picture(
        "Banzuri_files/((INTL_)?(SITA|UE)_((HU|KYOU|KEI|GIN|KAKU|SYA)_[01]|KIN|OU)|KARA_MASU|PA1|"
        "PA2|KANBAN)\\.png");
    int pictures = 0;
    std::set<std::string> international;
    for (const Tag& tag : tags) {
        if (tag.name != "img") continue;
        ++pictures;
        const std::string src = attribute(tag.text, "src");
        EXPECT_TRUE(std::regex_match(src, picture)) << tag.text;
        if (src.find("INTL_SITA_") != std::string::npos) international.insert(src);
    }
    EXPECT_GT(pictures, 81) << "the starting position and the capture diagrams";
    EXPECT_EQ(international.size(), 14u) << "every piece, promoted ones too, in both sets";
}

TEST_F(EnglishHelpPage, WorksOfflineWithTheSharedStylesheet) {
    expect_offline_with_the_shared_stylesheet(tags);
}

TEST_F(EnglishHelpPage, EveryLinkLeadsToASectionOfThePage) {
    std::set<std::string> ids;
    for (const Tag& tag : tags)
        if (const std::string id = attribute(tag.text, "id"); id != "\x01") ids.insert(id);
    for (const Tag& tag : tags) {
        if (tag.name != "a" || tag.closing) continue;
        const std::string href = attribute(tag.text, "href");
        ASSERT_EQ(href.rfind('#', 0), 0u) << tag.text;
        EXPECT_TRUE(ids.count(href.substr(1))) << href;
    }
}

// Only the language's own name stands in Japanese.
TEST_F(EnglishHelpPage, HasNoJapaneseButTheNameOfJapanese) {
    EXPECT_EQ(japanese_words(page), std::vector<std::string>{"日本語"});
}

// Every English menu caption of the translation, as the menus show it.
TEST_F(EnglishHelpPage, NamesEveryMenuItemByItsEnglishCaption) {
    std::ifstream in(source_root() / "translations" / "banzuri_en.ts", std::ios::binary);
    std::ostringstream ts;
    ts << in.rdbuf();
    const std::string text = ts.str();
    const std::size_t menu = text.find("<name>Menu</name>");
    ASSERT_NE(menu, std::string::npos);
    const std::size_t end = text.find("</context>", menu);
    const std::regex translation("<translation>([^<]*)</translation>");
    int captions = 0;
    for (auto it =
             std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(menu),
                                  text.begin() + static_cast<std::ptrdiff_t>(end), translation);
         it != std::sregex_iterator(); ++it) {
        ++captions;
        const std::string caption = (*it)[1].str();
        if (caption.rfind("Level ", 0) == 0 && caption != "Level 1" && caption != "Level 5")
            continue;  // "Level 1 … Level 5"
        EXPECT_NE(page.find("<span class=\"menu\">" + caption + "</span>"), std::string::npos)
            << caption;
    }
    EXPECT_GT(captions, 40);
}

}  // namespace
}  // namespace banzuri
