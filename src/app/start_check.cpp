#include "app/start_check.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "help/help_address.h"
#include "settings/settings_location.h"

namespace banzuri::app {

namespace {

constexpr int LOOK_INTERVAL_MS = 20;

int loaded_sounds(const MainForm& form) {
    int count = 0;
    const SoundLayer& s = form.sound();
    for (const int buffer : {s.snd_other(), s.snd_forbidden(), s.snd_piece(), s.snd_game_end(),
                             s.snd_vanish(), s.snd_bgm()})
        if (buffer != 0) ++count;
    return count;
}

bool help_page_found(const MainForm& form) {
    std::error_code error;
    return std::filesystem::is_regular_file(form.start_dir() / HELP_PAGE_FILE, error);
}

}  // namespace

StartCheck::StartCheck(GameWindow& window) : window_(window) {
    timer_.setInterval(LOOK_INTERVAL_MS);
    connect(&timer_, &QTimer::timeout, this, [this] { look(); });
    timer_.start();
}

void StartCheck::look() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        warnings_ << box->windowTitle() + QStringLiteral(": ") + box->text();
        box->done(QMessageBox::Ok);
        return;
    }
    // The sounds are set up beside the window: the report waits for them and their warnings.
    if (loaded_ && QApplication::activeModalWidget() == nullptr &&
        !window_.form().sound().loading())
        report_and_close();
}

void StartCheck::report_and_close() {
    timer_.stop();
    MainForm& form = window_.form();
    const std::filesystem::path settings = form.settings_dir() / settings::SETTINGS_FILE_NAME;
    std::printf("data folder: %s\n", form.files_dir().c_str());
    std::printf("settings file: %s\n", settings.c_str());
    std::printf("sounds loaded: %d of 6\n", loaded_sounds(form));
    std::printf("help page: %s\n", help_page_found(form) ? "found" : "missing");
    std::printf("warnings: %lld\n", static_cast<long long>(warnings_.size()));
    for (const QString& warning : warnings_)
        std::printf("warning: %s\n", qPrintable(QString(warning).replace('\n', ' ')));
    std::fflush(stdout);
    window_.close();
}

}  // namespace banzuri::app
