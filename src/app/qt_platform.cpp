#include "app/qt_platform.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>
#include <QTime>
#include <chrono>
#include <thread>
#include <utility>

namespace banzuri::app {

namespace {

// The buttons read as a Japanese player expects, whatever language Qt itself runs in.
void label_buttons_in_japanese(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Yes, "はい"}, {QMessageBox::No, "いいえ"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [which, caption] : captions)
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf8(caption));
}

QMessageBox::StandardButton show_box(QWidget* parent, QMessageBox::Icon icon,
                                     const std::string& text, const std::string& title,
                                     QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text), buttons,
                    parent);
    label_buttons_in_japanese(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::message(const std::string& text, const std::string& title) {
    show_box(parent_, QMessageBox::NoIcon, text, title, QMessageBox::Ok);
}

bool QtDialogs::ask_yes_no(const std::string& text, const std::string& title) {
    return show_box(parent_, QMessageBox::NoIcon, text, title,
                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtDialogs::warning(const std::string& text, const std::string& title) {
    if (holding_) {
        held_.emplace_back(text, title);
        return;
    }
    show_box(parent_, QMessageBox::Warning, text, title, QMessageBox::Ok);
}

void QtDialogs::show_held_warnings() {
    holding_ = false;
    const auto waiting = std::move(held_);
    held_.clear();
    for (const auto& [text, title] : waiting)
        show_box(parent_, QMessageBox::Warning, text, title, QMessageBox::Ok);
}

double QtClock::time_of_day() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtClock::sleep(double seconds) {
    if (seconds <= 0) return;
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

QtTimerControl::QtTimerControl(std::function<void()> on_tick) {
    timer_.setInterval(INTERVAL_MS);
    QObject::connect(&timer_, &QTimer::timeout, std::move(on_tick));
}

void QtTimerControl::set_enabled(bool enabled) {
    if (enabled && !timer_.isActive()) timer_.start();
    if (!enabled) timer_.stop();
}

QtPollTimer::QtPollTimer(std::function<void()> on_tick) {
    timer_.setInterval(POLL_INTERVAL_MS);
    QObject::connect(&timer_, &QTimer::timeout, std::move(on_tick));
}

void QtPollTimer::set_enabled(bool enabled) {
    if (enabled && !timer_.isActive()) timer_.start();
    if (!enabled) timer_.stop();
}

void QtMenuView::attach(MenuItem item, QAction* action) {
    actions_[static_cast<std::size_t>(item)] = action;
}

void QtMenuView::show_checked(MenuItem item, bool checked) {
    if (QAction* a = action(item)) a->setChecked(checked);
}

}  // namespace banzuri::app
