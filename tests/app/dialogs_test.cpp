// Message boxes speak Japanese, and the URL opener reports what the desktop's opener answered,
// on the offscreen platform.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/qt_platform.h"
#include "app/url_opener.h"

using banzuri::app::QtDialogs;
using banzuri::app::QtUrlOpener;

namespace {

// Runs `show`, and meanwhile notes the captions of the box it opened and presses `press`.
QStringList captions_of(const std::function<void()>& show, QMessageBox::StandardButton press) {
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        captions.sort();
        box->button(press)->click();
    });
    show();
    return captions;
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyBoxHasJapaneseButtons() {
        QtDialogs dialogs(nullptr);
        bool yes = false;
        QCOMPARE(captions_of([&] { yes = dialogs.ask_yes_no("続けますか？", "再ゲーム"); },
                             QMessageBox::No),
                 (QStringList{QStringLiteral("いいえ"), QStringLiteral("はい")}));
        QVERIFY(!yes);
        QCOMPARE(captions_of([&] { yes = dialogs.ask_yes_no("続けますか？", "再ゲーム"); },
                             QMessageBox::Yes)
                     .size(),
                 2);
        QVERIFY(yes);
        QCOMPARE(captions_of([&] { dialogs.message("あなたの勝ちです", "終局"); }, QMessageBox::Ok),
                 QStringList{QStringLiteral("OK")});
        QCOMPARE(captions_of([&] { dialogs.warning("警告", "Banzuri.ini"); }, QMessageBox::Ok),
                 QStringList{QStringLiteral("OK")});
    }

    // The list box: Japanese buttons, the first item picked at first, the one picked answered.
    void theChoiceBoxAnswersTheItemPicked() {
        QtDialogs dialogs(nullptr);
        const std::vector<std::string> items{
            "4手・最後の指し手 2024/05/01 09:05（last-game.kifu）",
            "6手・最後の指し手 2024/05/01 08:00（last-game-2.kifu）"};
        for (const int pick : {1, 0, -1}) {
            QStringList captions;
            QString first;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                auto* buttons = box->findChild<QDialogButtonBox*>();
                for (QAbstractButton* button : buttons->buttons())
                    captions << button->text();
                captions.sort();
                first = box->textValue();
                if (pick < 0) return box->reject();
                box->findChild<QComboBox*>()->setCurrentIndex(pick);
                box->accept();
            });
            const std::optional<std::size_t> chosen =
                dialogs.choose("再開する対局を選んでください。", "前回の対局を再開", items);
            QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));
            QCOMPARE(first, QString::fromStdString(items[0]));
            if (pick < 0)
                QVERIFY(!chosen);
            else
                QCOMPARE(chosen, std::optional<std::size_t>(static_cast<std::size_t>(pick)));
        }
    }

    void openerSuccessIsItsExitStatus() {
        const std::string page = "https://banzuri.example.org/";
        QVERIFY(QtUrlOpener(QStringLiteral("true")).open_url(page));
        QVERIFY(!QtUrlOpener(QStringLiteral("false")).open_url(page));
        QVERIFY(!QtUrlOpener(QStringLiteral("/nonexistent/opener")).open_url(page));
        // An address the game must not hand out never reaches the opener.
        QVERIFY(!QtUrlOpener(QStringLiteral("true")).open_url("javascript:alert(1)"));
    }

    void anOpenerStillBusyAfterTheWaitCountsAsOpened() {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("slow-opener"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nsleep 3\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QtUrlOpener(script, 100).open_url("https://banzuri.example.org/"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
