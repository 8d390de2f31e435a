// Paints the application icon at the given sizes into an icon theme folder:
//   banzuri-make-icons THEME_DIR FILE_NAME SIZE...
// writes THEME_DIR/<SIZE>x<SIZE>/apps/FILE_NAME for every size. Needs no display.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app_icon.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: banzuri-make-icons THEME_DIR FILE_NAME SIZE...\n");
        return 2;
    }
    const QString theme_dir = QString::fromLocal8Bit(argv[1]);
    const QString file_name = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size < 1 || size > 4096) {
            std::fprintf(stderr, "banzuri-make-icons: bad size %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme_dir).arg(size);
        QDir().mkpath(folder);
        const QString path = folder + "/" + file_name;
        if (!banzuri::pictures::paint_app_icon(size).save(path, "PNG")) {
            std::fprintf(stderr, "banzuri-make-icons: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
