// Paints the game's picture set and writes it as PNG files:
//   banzuri-make-pictures RESOURCE_DIR [HELP_DIR] [CONTACT_SHEET.png]
// RESOURCE_DIR receives NAME.png and NAME@2x.png for every picture, and INTL_NAME.png and
// INTL_NAME@2x.png for every piece with its international face; HELP_DIR the 1x files the
// help page shows. Runs on the offscreen platform; needs no display.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <utility>
#include <vector>

#include "contact_sheet.h"
#include "picture_art.h"

namespace {

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "banzuri-make-pictures: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: banzuri-make-pictures RESOURCE_DIR [HELP_DIR] [SHEET.png]\n");
        return 2;
    }
    const QString resource_dir = QString::fromLocal8Bit(argv[1]);
    const QString help_dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(resource_dir);
    if (!help_dir.isEmpty()) QDir().mkpath(help_dir);
    std::vector<std::pair<QString, QImage>> sheet;
    bool ok = true;
    for (const auto& spec : banzuri::pictures::picture_specs()) {
        const QImage normal = banzuri::pictures::paint_picture(spec.name, 1);
        QImage sharp = banzuri::pictures::paint_picture(spec.name, 2);
        ok = save(normal, resource_dir + "/" + spec.name + ".png") && ok;
        ok = save(sharp, resource_dir + "/" + spec.name + "@2x.png") && ok;
        if (!help_dir.isEmpty()) ok = save(normal, help_dir + "/" + spec.name + ".png") && ok;
        sharp.setDevicePixelRatio(2);
        sheet.emplace_back(spec.name, sharp);
    }
    for (const auto& spec : banzuri::pictures::picture_specs()) {
        if (!banzuri::pictures::is_piece_picture(spec.name)) continue;
        const auto set = banzuri::pictures::PieceSet::INTERNATIONAL;
        const QString name = "INTL_" + spec.name;
        const QImage normal = banzuri::pictures::paint_picture(spec.name, 1, set);
        QImage sharp = banzuri::pictures::paint_picture(spec.name, 2, set);
        ok = save(normal, resource_dir + "/" + name + ".png") && ok;
        ok = save(sharp, resource_dir + "/" + name + "@2x.png") && ok;
        if (!help_dir.isEmpty()) ok = save(normal, help_dir + "/" + name + ".png") && ok;
        sharp.setDevicePixelRatio(2);
        sheet.emplace_back(name, sharp);
    }
    if (argc > 3) ok = save(banzuri::pictures::contact_sheet(sheet, 2), argv[3]) && ok;
    return ok ? 0 : 1;
}
