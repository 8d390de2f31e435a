// The game's name, version and icon for the desktop, and its command line:
//   banzuri [--help | --version | --language en|ja]
#pragma once

#include <QCoreApplication>
#include <filesystem>
#include <optional>

#include "settings/language.h"

namespace banzuri::app {

inline constexpr const char* APPLICATION_ID = "org.example.banzuri";

// The application's name, version and desktop file name; call before any application object.
void set_application_identity();

// The window icon at every painted size; call once the application object exists.
void set_window_icon();

struct StartOptions {
    // After start-up, report the folders and files found and close the window as a player
    // would. For checking an installation; not listed by --help.
    bool check_start = false;
    // --language: the language of this run, whatever the window remembers.
    std::optional<Language> language;
};

// Whether the arguments (the program first) ask for English: "--language en" or
// "--language=en". --help then answers in English.
bool asks_for_english(const QStringList& arguments);

// Reads the command line of `application`. Answers --help and --version, or a bad option, on
// standard output or error and ends the program there.
StartOptions read_command_line(const QCoreApplication& application);

// The folder of the running executable.
std::filesystem::path executable_folder();

}  // namespace banzuri::app
