// The window's language: Japanese with no choice made, English from その他 → 言語 at once and
// back, the game going on meanwhile; the choice kept in window.conf, never in Banzuri.ini; the
// English translation complete.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/game_window.h"
#include "app/translation.h"
#include "japanese.h"
#include "window_session.h"

using banzuri::Language;
using banzuri::app::GameWindow;

namespace {

bool has_japanese(const QString& text) {
    return banzuri::testing::has_japanese(text.toStdString());
}

// Every caption of the menu bar, by the action's name (menus by their own name).
QMap<QString, QString> captions(const QMenuBar& bar) {
    QMap<QString, QString> out;
    for (const QAction* action : bar.findChildren<QAction*>()) {
        if (action->isSeparator() || action->text().isEmpty()) continue;
        const auto* menu = action->menu();
        const QString name = menu != nullptr ? menu->objectName() : action->objectName();
        out.insert(name, action->text());
    }
    return out;
}

using Session = banzuri::testing::WindowSession;
using banzuri::testing::file_bytes;

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void withNoChoiceEveryCaptionIsJapaneseWhateverLangSays() {
        QTemporaryDir conf_dir;
        const QString conf = conf_dir.filePath("window.conf");
        qputenv("LANG", "en_US.UTF-8");
        qputenv("LANGUAGE", "en");
        QCOMPARE(banzuri::app::remembered_language(conf), Language::JAPANESE);
        Session s(conf);
        QCOMPARE(banzuri::app::language_in_use(), Language::JAPANESE);
        QVERIFY(s.window.action("LANGUAGE_JA")->isChecked());
        QVERIFY(!s.window.action("LANGUAGE_EN")->isChecked());
        const auto shown = captions(*s.window.menuBar());
        QCOMPARE(shown.value("TAIKYOKU"), QStringLiteral("対局"));
        QCOMPARE(shown.value("OPTION"), QStringLiteral("ｵﾌﾟｼｮﾝ"));
        QCOMPARE(shown.value("LANGUAGE"), QStringLiteral("言語 (Language)"));
        QCOMPARE(s.window.action("REPLAY")->toolTip(), QStringLiteral("戻 (Left)"));
        QVERIFY(!QSettings(conf, QSettings::IniFormat).contains("view/language"));
    }

    void englishAtOnceMidGameAndBackToTheSameJapanese() {
        QTemporaryDir conf_dir;
        const QString conf = conf_dir.filePath("window.conf");
        Session s(conf);
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        const auto japanese = captions(*s.window.menuBar());
        QTest::keyClick(&s.window, Qt::Key_F2);
        s.click(7, 7);
        s.click(7, 6);
        QCOMPARE(static_cast<int>(s.window.form().game().moves().size()), 1);
        const QByteArray ini = file_bytes(s.dir.filePath("Banzuri.ini"));
        const banzuri::GameState before = s.window.form().state();

        s.window.action("LANGUAGE_EN")->trigger();
        QCOMPARE(banzuri::app::language_in_use(), Language::ENGLISH);
        QVERIFY(s.window.action("LANGUAGE_EN")->isChecked());
        const auto english = captions(*s.window.menuBar());
        QCOMPARE(english.keys(), japanese.keys());
        for (auto it = english.begin(); it != english.end(); ++it) {
            if (it.key() == "LANGUAGE_JA") continue;  // 日本語 is named in its own words
            QVERIFY2(!has_japanese(it.value()), qPrintable(it.key() + ": " + it.value()));
        }
        QCOMPARE(english.value("TAIKYOKU"), QStringLiteral("Game"));
        QCOMPARE(english.value("LANGUAGE"), QStringLiteral("Language"));
        QCOMPARE(english.value("LANGUAGE_JA"), QStringLiteral("日本語"));
        QCOMPARE(s.window.action("REPLAY")->toolTip(), QStringLiteral("Back (Left)"));
        QCOMPARE(s.window.move_list().cancel_button().text(), QStringLiteral("Cancel"));
        // The game's own texts follow: the move list and the board's labels.
        QCOMPARE(s.window.form().language(), Language::ENGLISH);
        QCOMPARE(s.window.move_list().turn_label().text(), QStringLiteral("△White to move"));
        QCOMPARE(s.window.move_list().rows().item(1)->text(), QStringLiteral("   1 ▲P-3f"));
        // The game goes on as it was; the settings file is not touched.
        QCOMPARE(static_cast<int>(s.window.form().game().moves().size()), 1);
        QVERIFY(s.window.form().state().board == before.board);
        QCOMPARE(file_bytes(s.dir.filePath("Banzuri.ini")), ini);
        QCOMPARE(QSettings(conf, QSettings::IniFormat).value("view/language").toString(),
                 QStringLiteral("en"));
        QCOMPARE(banzuri::app::remembered_language(conf), Language::ENGLISH);

        s.window.action("LANGUAGE_JA")->trigger();
        QCOMPARE(captions(*s.window.menuBar()), japanese);
        QCOMPARE(s.window.action("REPLAY")->toolTip(), QStringLiteral("戻 (Left)"));
        QCOMPARE(s.window.move_list().cancel_button().text(), QStringLiteral("中止"));
        QCOMPARE(s.window.form().language(), Language::JAPANESE);
        QCOMPARE(s.window.move_list().turn_label().text(), QStringLiteral("△後手の番"));
        QCOMPARE(banzuri::app::remembered_language(conf), Language::JAPANESE);
    }

    // The boxes and the file dialogs a player meets in English.
    void englishBoxesAndFileDialogs() {
        QTemporaryDir conf_dir;
        Session s(conf_dir.filePath("window.conf"));
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        s.window.action("LANGUAGE_EN")->trigger();
        s.click(5, 5);                              // no game yet
        s.window.action("KIFU_HIRAKU")->trigger();  // cancelled: no file is given
        s.window.action("KIFU_HOZON")->trigger();   // nothing to save
        QCOMPARE(s.boxes.seen.size(), 3);
        QVERIFY(s.boxes.seen[0].startsWith("Start|Start a game from the Game menu first.|"));
        QVERIFY2(s.boxes.seen[1].startsWith("Open Record|Open|"), qPrintable(s.boxes.seen[1]));
        QVERIFY(s.boxes.seen[2].startsWith("Save Record|There is no game to save.|"));
        for (const QString& seen : s.boxes.seen)
            QVERIFY2(!has_japanese(seen), qPrintable(seen));
    }

    // The English translation has an entry for every text, none unfinished or empty, and none
    // an English player could not read.
    void theEnglishTranslationIsComplete() {
        QFile ts(QStringLiteral(BANZURI_SOURCE_DIR "/translations/banzuri_en.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        int messages = 0;
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("source")) source = xml.readElementText();
            if (xml.name() != QLatin1String("translation")) continue;
            ++messages;
            QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable(source));
            const QString translation = xml.readElementText();
            QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(source));
            QVERIFY2(!has_japanese(translation), qPrintable(translation));
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 60);
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
