#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "build_info.h"

namespace banzuri::app {

namespace {

constexpr int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

}  // namespace

void set_application_identity() {
    QCoreApplication::setApplicationName(QStringLiteral("banzuri"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(VERSION));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(APPLICATION_ID));
}

void set_window_icon() {
    QIcon icon;
    for (const int size : ICON_SIZES)
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/banzuri.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
}

bool asks_for_english(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--language=en")) return true;
        if (arguments[i] == QLatin1String("--language") && i + 1 < arguments.size() &&
            arguments[i + 1] == QLatin1String("en"))
            return true;
    }
    return false;
}

StartOptions read_command_line(const QCoreApplication& application) {
    const bool english = asks_for_english(application.arguments());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        english ? QStringLiteral("Banzuri: shogi in which pieces are taken by sandwiching and "
                                 "enclosing them. The options are kept in Banzuri.ini in the "
                                 "folder the game is started in when one is there, otherwise in "
                                 "~/.config/banzuri/Banzuri.ini.")
                : QStringLiteral("Banzuri: 挟んで取り、囲んで取る将棋。オプションの設定は、"
                                 "起動したフォルダに Banzuri.ini があればそこに、"
                                 "なければ ~/.config/banzuri/Banzuri.ini に保存されます。"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption check_start(QStringLiteral("check-start"));
    check_start.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(check_start);
    QCommandLineOption language(
        QStringLiteral("language"),
        english ? QStringLiteral("The language of this run only (ja: Japanese, en: English).")
                : QStringLiteral(
                      "表示の言語 (ja: 日本語, en: English)。この起動のときだけ使われます。"),
        QStringLiteral("ja|en"));
    parser.addOption(language);
    parser.process(application);
    StartOptions options{parser.isSet(check_start), std::nullopt};
    if (parser.isSet(language)) {
        const QString code = parser.value(language);
        options.language = language_of_code(code.toStdString());
        if (!options.language) {
            std::fprintf(stderr,
                         "banzuri: --language: ja か en を指定してください (ja or en): %s\n",
                         qPrintable(code));
            std::exit(1);
        }
    }
    return options;
}

std::filesystem::path executable_folder() {
    return std::filesystem::path(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

}  // namespace banzuri::app
