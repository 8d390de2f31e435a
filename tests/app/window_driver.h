// What the window tests share: an answerer for the dialogs the window opens while a test
// drives it, and the pixel of a grid cell.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPoint>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "render/geometry.h"

namespace banzuri::testing {

// How the answerer notes a message box.
inline QString box_line(const QString& title, const QString& text, QMessageBox::Icon icon) {
    return title + "|" + text + "|" + QString::number(icon);
}

// Answers every dialog that opens: a message box with the button the test expects next, or
// else with the first of `fallback` it has; a file dialog with the next name of `files`
// (cancelled when none is left). Notes each dialog in `seen`: a box as "title|text|icon", a
// file dialog as "title|accept label|folder|file name".
class DialogAnswerer {
  public:
    explicit DialogAnswerer(std::vector<QMessageBox::StandardButton> fallback = {QMessageBox::Ok,
                                                                                 QMessageBox::No})
        : fallback_(std::move(fallback)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    void expect(QMessageBox::StandardButton button) { expected_.push_back(button); }

    std::deque<QString> files;
    QStringList seen;
    std::function<void()> while_open;  // runs once while the next box is open

  private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) answer_file(*dialog);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) answer_box(*box);
    }
    void answer_file(QFileDialog& dialog) {
        seen << dialog.windowTitle() + "|" + dialog.labelText(QFileDialog::Accept) + "|" +
                    dialog.directory().absolutePath() + "|" +
                    QFileInfo(dialog.selectedFiles().value(0)).fileName();
        if (files.empty()) {
            dialog.reject();
            return;
        }
        dialog.selectFile(files.front());
        files.pop_front();
        QMetaObject::invokeMethod(&dialog, "accept");
    }
    void answer_box(QMessageBox& box) {
        seen << box_line(box.windowTitle(), box.text(), box.icon());
        if (while_open) std::exchange(while_open, nullptr)();
        QAbstractButton* button = nullptr;
        if (!expected_.empty()) {
            button = box.button(expected_.front());
            expected_.pop_front();
        }
        for (const QMessageBox::StandardButton b : fallback_)
            if (button == nullptr) button = box.button(b);
        if (button != nullptr) button->click();
    }

    QTimer timer_;
    std::vector<QMessageBox::StandardButton> fallback_;
    std::deque<QMessageBox::StandardButton> expected_;
};

// The pixel of the middle of grid cell (cx, cy) in the client area at the usual size.
inline QPoint cell_pixel(int cx, int cy) {
    const double x = board_left + (cx + 0.5) * cell_width;
    const double y = board_top + (cy + 0.5) * cell_height;
    return {static_cast<int>(x / TWIPS_PER_PIXEL), static_cast<int>(y / TWIPS_PER_PIXEL)};
}

// Lets a move's animation under way run to its end on the event loop, as a player watches it;
// false when it had not ended within ten seconds.
template <typename Window>
bool let_animation_finish(Window& window) {
    return QTest::qWaitFor([&window] { return !window.form().animating(); }, 10000);
}

}  // namespace banzuri::testing
