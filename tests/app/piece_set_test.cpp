// The international pieces: their marks are the moves the rules allow, promoted pieces are red,
// and the choice in the window switches the pictures at once, keeps the game and is remembered
// in window.conf, never in Banzuri.ini.
#include <QFile>
#include <QMenu>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <set>
#include <tuple>

#include "app/game_window.h"
#include "app/pictures.h"
#include "picture_art.h"
#include "piece_face.h"
#include "rules/movement.h"
#include "rules/pieces.h"
#include "window_session.h"

using banzuri::app::GameWindow;
using banzuri::app::PieceSet;
using banzuri::pictures::Reach;

namespace {

const QStringList kKinds = {"HU_0",  "HU_1", "KYOU_0", "KYOU_1", "KEI_0", "KEI_1", "GIN_0",
                            "GIN_1", "KIN",  "KAKU_0", "KAKU_1", "SYA_0", "SYA_1", "OU"};

int code_of(const QString& kind) {
    static const QHash<QString, int> codes = {
        {"HU_0", 10},    {"HU_1", 11},   {"KYOU_0", 20}, {"KYOU_1", 21}, {"KEI_0", 30},
        {"KEI_1", 31},   {"GIN_0", 100}, {"GIN_1", 101}, {"KIN", 110},   {"KAKU_0", 800},
        {"KAKU_1", 801}, {"SYA_0", 900}, {"SYA_1", 901}, {"OU", 950}};
    return codes.value(kind);
}

using Mark = std::tuple<int, int, bool>;

// What the rules let `piece` reach from the middle of an empty board, as the face's marks: a
// direction reached two squares away is a slide, otherwise a step; forwards is the piece's own.
std::set<Mark> rules_marks(int piece) {
    banzuri::GameState g;
    g.set(5, 5, piece);
    const int forwards = piece < 0 ? 1 : -1;  // the lower side moves up the board
    std::set<Mark> marks;
    for (int tx = 1; tx <= 9; ++tx) {
        for (int ty = 1; ty <= 9; ++ty) {
            if (banzuri::移動チェック(g, 5, 5, tx, ty, piece) == 0) continue;
            const int dx = tx - 5, dy = (ty - 5) * forwards;
            const bool knight = std::abs(dx) == 1 && std::abs(dy) == 2;
            if (!knight && std::max(std::abs(dx), std::abs(dy)) != 1) continue;
            const bool slide = !knight && banzuri::移動チェック(g, 5, 5, 5 + 2 * (tx - 5),
                                                                5 + 2 * (ty - 5), piece) != 0;
            // Seen as the piece points up: its left is the board's left for the lower side.
            marks.emplace(piece < 0 ? dx : -dx, dy, slide);
        }
    }
    return marks;
}

std::set<Mark> face_marks(const QString& kind) {
    std::set<Mark> marks;
    for (const Reach& r : banzuri::pictures::reach_marks(kind))
        marks.emplace(r.dx, r.dy, r.slide);
    return marks;
}

// Pixels of the ink of a face: black (dark brown) or red.
struct Inks {
    int black = 0;
    int red = 0;
};

Inks inks(const QImage& image) {
    Inks out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 60 && c.green() < 50 && c.blue() < 40) ++out.black;
            if (c.red() > 150 && c.green() < 60 && c.blue() < 60) ++out.red;
        }
    return out;
}

using banzuri::testing::file_bytes;

struct Session : banzuri::testing::WindowSession {
    using WindowSession::WindowSession;
    // The board's squares as the window shows them.
    QImage board() {
        const QRect client = window.canvas().drawn_client_rect();
        return window.canvas().image().copy(client);
    }
};

}  // namespace

class PieceSetTest : public QObject {
    Q_OBJECT

  private slots:
    void everyMarkIsAMoveTheRulesAllowAndEveryMoveIsMarked() {
        for (const QString& kind : kKinds) {
            const std::set<Mark> face = face_marks(kind);
            QVERIFY2(!face.empty(), qPrintable(kind));
            // The upper side's picture is the lower side's turned round, marks and all.
            QCOMPARE(rules_marks(-code_of(kind)), face);
            QCOMPARE(rules_marks(code_of(kind)), face);
        }
    }

    void promotedPiecesAreRedAndTheOthersBlack() {
        for (const QString side : {"SITA_", "UE_"})
            for (const QString& kind : kKinds) {
                const QImage image = banzuri::pictures::paint_picture(
                    side + kind, 2, banzuri::pictures::PieceSet::INTERNATIONAL);
                const Inks ink = inks(image);
                const bool promoted = kind.endsWith("_1");
                QVERIFY2((promoted ? ink.red : ink.black) > 60, qPrintable(side + kind));
                QVERIFY2((promoted ? ink.black : ink.red) < 5, qPrintable(side + kind));
            }
    }

    void everyPieceLooksDifferentAtEverySizeAndOtherPicturesStayAsTheyAre() {
        for (const QSize device : {QSize(42, 47), QSize(84, 94), QSize(63, 70)}) {
            QSet<QByteArray> seen;
            for (const QString& name : banzuri::app::picture_names()) {
                const QImage kanji = banzuri::pictures::paint_picture(name, device);
                const QImage international = banzuri::pictures::paint_picture(
                    name, device, banzuri::pictures::PieceSet::INTERNATIONAL);
                QCOMPARE(international.size(), kanji.size());
                if (!banzuri::pictures::is_piece_picture(name)) {
                    QVERIFY2(international == kanji, qPrintable(name));
                    continue;
                }
                QVERIFY2(international != kanji, qPrintable(name));
                const QByteArray bits(reinterpret_cast<const char*>(international.constBits()),
                                      static_cast<int>(international.sizeInBytes()));
                QVERIFY2(!seen.contains(bits), qPrintable(name));
                seen.insert(bits);
            }
            QCOMPARE(seen.size(), 28);
        }
    }

    void theChoiceSwitchesMidGameKeepsTheGameAndIsRememberedApart() {
        QTemporaryDir conf_dir;
        const QString conf = conf_dir.filePath("window.conf");
        QImage kanji_board;
        {
            Session s(conf);
            QVERIFY(QTest::qWaitForWindowExposed(&s.window));
            QVERIFY(s.window.action("PIECES_KANJI")->isChecked());
            QCOMPARE(s.window.canvas().piece_set(), PieceSet::KANJI);
            QTest::keyClick(&s.window, Qt::Key_F2);
            s.click(7, 7);
            s.click(7, 6);
            const QByteArray ini = file_bytes(s.dir.filePath("Banzuri.ini"));
            QVERIFY(!ini.isEmpty());
            const int moves = static_cast<int>(s.window.form().game().moves().size());
            QCOMPARE(moves, 1);
            kanji_board = s.board();

            s.window.action("PIECES_INTERNATIONAL")->trigger();
            QCOMPARE(s.window.canvas().piece_set(), PieceSet::INTERNATIONAL);
            QVERIFY(s.window.action("PIECES_INTERNATIONAL")->isChecked());
            QVERIFY(!s.window.action("PIECES_KANJI")->isChecked());
            QVERIFY(s.board() != kanji_board);
            QCOMPARE(static_cast<int>(s.window.form().game().moves().size()), moves);
            QCOMPARE(file_bytes(s.dir.filePath("Banzuri.ini")), ini);
            QCOMPARE(QSettings(conf, QSettings::IniFormat).value("view/pieces").toString(),
                     QStringLiteral("international"));
        }
        {
            Session s(conf);
            QVERIFY(QTest::qWaitForWindowExposed(&s.window));
            QCOMPARE(s.window.canvas().piece_set(), PieceSet::INTERNATIONAL);
            QVERIFY(s.window.action("PIECES_INTERNATIONAL")->isChecked());
            s.window.action("PIECES_KANJI")->trigger();
            QCOMPARE(s.window.canvas().piece_set(), PieceSet::KANJI);
            QCOMPARE(QSettings(conf, QSettings::IniFormat).value("view/pieces").toString(),
                     QStringLiteral("kanji"));
        }
    }

    void backToKanjiTheBoardIsPixelIdentical() {
        QTemporaryDir conf_dir;
        Session s(conf_dir.filePath("window.conf"));
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        const QImage before = s.board();
        s.window.action("PIECES_INTERNATIONAL")->trigger();
        QVERIFY(s.board() != before);
        s.window.action("PIECES_KANJI")->trigger();
        QCOMPARE(s.board(), before);
    }
};

QTEST_MAIN(PieceSetTest)
#include "piece_set_test.moc"
