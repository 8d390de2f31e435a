// Renders the picture set and the whole window to PNG files, without a display:
//   QT_QPA_PLATFORM=offscreen banzuri-snapshot OUTDIR
// writes, at the pixel ratios 1, 1.5 and 2 (files NAME.png, NAME@1.5x.png, NAME@2x.png), the
// contact sheets pictures and pictures-international (the pieces with their international
// faces), the about box about and, for each of the five backgrounds,
// window-<background>: the window as it looks after start-up, drawn through the game's own
// redraw into the window's canvas, and window-international: the same with the international
// pieces; and window-<background>-1920x1080.png, the full screen.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

#include "app/about_box.h"
#include "app/pictures.h"
#include "app/qt_canvas.h"
#include "app/start_picture.h"
#include "contact_sheet.h"
#include "settings/backgrounds.h"

namespace {

using namespace banzuri;

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) {
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "banzuri-snapshot: cannot write %s\n", qPrintable(path));
    return false;
}

QImage picture_sheet(qreal ratio, app::PieceSet set = app::PieceSet::KANJI) {
    std::vector<std::pair<QString, QImage>> pictures;
    for (const QString& name : app::picture_names())
        if (set == app::PieceSet::KANJI || pictures::is_piece_picture(name))
            pictures.emplace_back(name, app::load_picture(name, ratio, set));
    return pictures::contact_sheet(pictures, ratio);
}

// The window after start-up: the starting position, the clocks at zero, one background.
QImage start_window(int background, qreal ratio, QSize view = {},
                    app::PieceSet set = app::PieceSet::KANJI) {
    app::QtCanvas canvas(ratio);
    canvas.set_piece_set(set);
    if (!view.isEmpty()) canvas.set_view(view, ratio);
    app::draw_start_window(canvas, background);
    return canvas.image();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: banzuri-snapshot OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const std::vector<std::pair<int, QString>> backgrounds = {{BG_MIDORI, "midori"},
                                                              {BG_TATAMI, "tatami"},
                                                              {BG_TAKE, "take"},
                                                              {BG_UCHU, "uchu"},
                                                              {BG_RENGA, "renga"}};
    bool ok = true;
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        const QString suffix = ratio > 1 ? QString("@%1x.png").arg(ratio) : QString(".png");
        ok = save(picture_sheet(ratio), out + "/pictures" + suffix) && ok;
        ok = save(picture_sheet(ratio, app::PieceSet::INTERNATIONAL),
                  out + "/pictures-international" + suffix) &&
             ok;
        ok = save(app::AboutBox::picture(ratio), out + "/about" + suffix) && ok;
        for (const auto& [code, name] : backgrounds)
            ok = save(start_window(code, ratio), out + "/window-" + name + suffix) && ok;
        ok = save(start_window(BG_MIDORI, ratio, {}, app::PieceSet::INTERNATIONAL),
                  out + "/window-international" + suffix) &&
             ok;
    }
    for (const auto& [code, name] : backgrounds)
        ok = save(start_window(code, 1.0, QSize(1920, 1080)),
                  out + "/window-" + name + "-1920x1080.png") &&
             ok;
    return ok ? 0 : 1;
}
