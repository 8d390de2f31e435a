// The yardstick of the start benchmark: the least a Qt Widgets game window could be, a main
// window with a menu bar and a label, as large as the game's window at its default size.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("対局"));
    menu->addAction(QStringLiteral("終わり"), &application, &QApplication::quit);
    auto* label = new QLabel(QStringLiteral("ばんずり"), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(1005, 570);
    window.show();
    return QApplication::exec();
}
