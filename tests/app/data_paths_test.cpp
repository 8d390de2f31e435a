// Where the game looks for its files: the data folder found from the executable's location, and
// the application's name, desktop file name and icon.
#include <QGuiApplication>
#include <QIcon>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/command_line.h"
#include "app/data_paths.h"
#include "build_info.h"

using banzuri::app::find_data_folder;
namespace fs = std::filesystem;

class DataPathsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir temp_;
    fs::path root() const { return fs::path(temp_.path().toStdString()); }
    fs::path here() const { return root() / "here"; }

  private slots:
    void init() {
        fs::remove_all(root());
        fs::create_directories(here());
    }

    void anInstalledGameUsesTheDataFolderOfItsPrefix() {
        const fs::path games = root() / "prefix" / "games";
        fs::create_directories(games);
        fs::create_directories(root() / "prefix" / "share" / "games" / "banzuri");
        const auto found = find_data_folder(games, here());
        QCOMPARE(found.path, root() / "prefix" / "share" / "games" / "banzuri");
        QVERIFY(!found.build_run_dir);
    }

    void aGameInItsBuildTreeUsesTheRunFolder() {
        const fs::path app = (root() / "build" / "src" / "app");
        const fs::path run = (app / banzuri::RUN_FROM_BUILT_EXECUTABLE).lexically_normal();
        fs::create_directories(app);
        fs::create_directories(run);
        std::ofstream((app / banzuri::BUILD_ROOT_FROM_BUILT_EXECUTABLE / "CMakeCache.txt"));
        const auto found = find_data_folder(app, here());
        QCOMPARE(found.path, run);
        QVERIFY(found.build_run_dir);
        QCOMPARE(*found.build_run_dir, run);
    }

    // A folder where the run folder would be is not enough: /usr/games/../../run is /run.
    void withNeitherTheCurrentFolderIsUsed() {
        const fs::path app = root() / "usr" / "games";
        fs::create_directories(app);
        fs::create_directories((app / banzuri::RUN_FROM_BUILT_EXECUTABLE).lexically_normal());
        const auto found = find_data_folder(app, here());
        QCOMPARE(found.path, here());
        QVERIFY(!found.build_run_dir);
    }

    void theBuiltGameFindsItsOwnRunFolder() {
        const fs::path built = fs::path(BUILT_GAME).parent_path();
        const auto found = find_data_folder(built, here());
        QVERIFY(found.build_run_dir);
        QVERIFY(fs::is_regular_file(found.path / "Banzuri.htm"));
        QVERIFY(fs::is_regular_file(found.path / "駒打音.wav"));
    }

    void theApplicationIsNamedForTheDesktopAndHasItsIcon() {
        banzuri::app::set_application_identity();
        banzuri::app::set_window_icon();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("banzuri"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString::fromUtf8(banzuri::VERSION));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.banzuri"));
        const QIcon icon = QGuiApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(512, 512)));
        QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
    }
};

QTEST_MAIN(DataPathsTest)
#include "data_paths_test.moc"
