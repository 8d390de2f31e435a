// Starts the game in the current directory, which holds the sounds and the help page.
#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <iostream>

#include "app/display_check.h"

int main(int argc, char* argv[]) {
    if (!banzuri::app::graphical_session_available()) {
        std::cerr << banzuri::app::NO_DISPLAY_MESSAGE << '\n';
        return 1;
    }
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Banzuri");
    window.setFixedSize(765, 546);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    return QApplication::exec();
}
