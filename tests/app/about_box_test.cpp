// The about box and the URL opener's address check, on the offscreen platform.
#include <QImage>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <string>

#include "app/about_box.h"
#include "app/url_opener.h"
#include "help/help_address.h"
#include "picture_art.h"

using banzuri::app::AboutBox;
using banzuri::app::QtUrlOpener;

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void clientAreaIs4995By1530Twips() {
        AboutBox box([] { return true; });
        box.show();
        QCOMPARE(box.size(), QSize(333, 102));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(box.windowTitle(), QStringLiteral("バージョン情報"));
        QVERIFY(box.isModal());
    }

    void buttonsSitInOneRowNearTheBottom() {
        AboutBox box([] { return true; });
        const auto buttons = box.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(box.homepage_button()->text(), QStringLiteral("ホームページ"));
        QCOMPARE(box.homepage_button()->geometry(), QRect(40, 72, 105, 25));
        QCOMPARE(box.ok_button()->text(), QStringLiteral("O K"));
        QCOMPARE(box.ok_button()->geometry(), QRect(192, 72, 105, 25));
    }

    void okClosesTheBox() {
        int asked = 0;
        AboutBox box([&] {
            ++asked;
            return true;
        });
        box.show();
        QTest::mouseClick(box.ok_button(), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(asked, 0);
    }

    void homePageClosesTheBoxWhenThePageOpened() {
        int asked = 0;
        AboutBox box([&] {
            ++asked;
            return true;
        });
        box.show();
        QTest::mouseClick(box.homepage_button(), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QVERIFY(!box.isVisible());
    }

    void homePageKeepsTheBoxWhenThePageFailed() {
        int asked = 0;
        AboutBox box([&] {
            ++asked;
            return false;
        });
        box.show();
        QTest::mouseClick(box.homepage_button(), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QVERIFY(box.isVisible());
        QTest::mouseClick(box.ok_button(), Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }

    void pictureFillsTheClientArea() {
        const QImage picture = AboutBox::picture();
        QCOMPARE(picture.size(), QSize(333, 102));
        // Wood, not a blank or black image, in the corners and by the buttons.
        for (const QPoint at : {QPoint(3, 3), QPoint(328, 98), QPoint(170, 85)}) {
            const QColor c = picture.pixelColor(at);
            QVERIFY2(c.red() > c.blue() + 40,
                     qPrintable(QString("at %1,%2").arg(at.x()).arg(at.y())));
        }
    }

    void pictureShowsTheTitleBannerOfThePictureSet() {
        const QImage banner = banzuri::pictures::paint_picture("KANBAN", 1);
        QVERIFY(!banner.isNull());
        const QImage picture = AboutBox::picture();
        for (const QPoint at : {QPoint(20, 20), QPoint(94, 24), QPoint(180, 40)})
            QCOMPARE(picture.pixelColor(at + QPoint(10, 10)).rgb(), banner.pixelColor(at).rgb());
    }

    // The kings follow the board's piece set; the banner, the wood and the version do not.
    void theKingsAreDrawnInThePieceSetChosen() {
        const QImage kanji = AboutBox::picture();
        const QImage international = AboutBox::picture(1.0, banzuri::app::PieceSet::INTERNATIONAL);
        QCOMPARE(international.size(), kanji.size());
        int kings_differ = 0;
        for (int y = 0; y < kanji.height(); ++y)
            for (int x = 0; x < kanji.width(); ++x) {
                if (kanji.pixel(x, y) == international.pixel(x, y)) continue;
                QVERIFY2(x >= 214 && y < 54, qPrintable(QString("at %1,%2").arg(x).arg(y)));
                ++kings_differ;
            }
        QVERIFY(kings_differ > 100);
    }

    void pictureIsDrawnAtTheScreensPixelRatio() {
        const QImage sharp = AboutBox::picture(1.5);
        QCOMPARE(sharp.size(), QSize(500, 153));
        QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(333, 102));
        // The kings stand on the wood with their own outline: wood shows beside the upper
        // king's point, which is at the bottom.
        const QImage normal = AboutBox::picture();
        const QColor beside_point = normal.pixelColor(218, 46);
        const QColor wood = normal.pixelColor(210, 30);
        QVERIFY(std::abs(beside_point.red() - wood.red()) < 30);
    }

    void openerTakesOnlyCheckedAddresses() {
        const std::string name = "/tmp/盤 'a' \"b\"; #c %d/Banzuri.htm";
        const std::string page =
            banzuri::file_url(std::filesystem::path(std::u8string(name.begin(), name.end())));
        const QUrl url = QtUrlOpener::checked_url(page);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QCOMPARE(url.toLocalFile(), QString::fromStdString(name));
        QVERIFY(QtUrlOpener::checked_url(banzuri::HOME_PAGE_ADDRESS).isValid());
        QVERIFY(!QtUrlOpener::checked_url("javascript:alert(1)").isValid());
        QVERIFY(!QtUrlOpener::checked_url("file:///tmp/a b").isValid());
        QVERIFY(!QtUrlOpener::checked_url("").isValid());
        QtUrlOpener opener;
        QVERIFY(!opener.open_url("ftp://example.org/"));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
