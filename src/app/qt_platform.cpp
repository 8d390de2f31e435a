#include "app/qt_platform.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <QTime>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <utility>

namespace banzuri::app {

namespace {

// The buttons read as a player of the language in use expects, whatever language Qt itself
// runs in.
void label_buttons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Yes, "はい"}, {QMessageBox::No, "いいえ"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [which, caption] : captions)
        if (QAbstractButton* button = box.button(which))
            button->setText(QCoreApplication::translate("MessageBox", caption));
}

QMessageBox::StandardButton show_box(QWidget* parent, QMessageBox::Icon icon,
                                     const std::string& text, const std::string& title,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton preferred) {
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text), buttons,
                    parent);
    label_buttons(box);
    if (preferred != QMessageBox::NoButton) box.setDefaultButton(preferred);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QMessageBox::StandardButton QtDialogs::open_box(QMessageBox::Icon icon, const std::string& text,
                                                const std::string& title,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton preferred) {
    if (before_box_) before_box_();
    return show_box(parent_, icon, text, title, buttons, preferred);
}

void QtDialogs::message(const std::string& text, const std::string& title) {
    open_box(QMessageBox::NoIcon, text, title, QMessageBox::Ok);
}

bool QtDialogs::ask_yes_no(const std::string& text, const std::string& title, Answer preferred) {
    return open_box(QMessageBox::NoIcon, text, title, QMessageBox::Yes | QMessageBox::No,
                    preferred == Answer::NO ? QMessageBox::No : QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void QtDialogs::warning(const std::string& text, const std::string& title) {
    if (holding_) {
        held_.emplace_back(text, title);
        return;
    }
    open_box(QMessageBox::Warning, text, title, QMessageBox::Ok);
}

std::optional<std::size_t> QtDialogs::choose(const std::string& text, const std::string& title,
                                             const std::vector<std::string>& items) {
    if (before_box_) before_box_();
    QStringList labels;
    for (const std::string& item : items)
        labels << QString::fromStdString(item);
    QInputDialog box(parent_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setLabelText(QString::fromStdString(text));
    box.setComboBoxItems(labels);
    box.setComboBoxEditable(false);
    box.setOkButtonText(QString::fromUtf8("OK"));
    box.setCancelButtonText(QCoreApplication::translate("MessageBox", "キャンセル"));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    const qsizetype at = labels.indexOf(box.textValue());
    if (at < 0) return std::nullopt;
    return static_cast<std::size_t>(at);
}

void QtDialogs::show_held_warnings() {
    holding_ = false;
    const auto waiting = std::move(held_);
    held_.clear();
    for (const auto& [text, title] : waiting)
        open_box(QMessageBox::Warning, text, title, QMessageBox::Ok);
}

namespace {

double system_time_of_day() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double steady_now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

constexpr double kSecondsPerDay = 86400;

}  // namespace

QtClock::QtClock() : QtClock(system_time_of_day, steady_now) {}

QtClock::QtClock(const Source& wall_time_of_day, Source steady_seconds)
    : steady_(std::move(steady_seconds)),
      start_time_of_day_(wall_time_of_day()),
      start_steady_(steady_()) {}

double QtClock::time_of_day() {
    return std::fmod(start_time_of_day_ + (steady_() - start_steady_), kSecondsPerDay);
}

QtTimerControl::QtTimerControl(std::function<void()> on_tick) {
    timer_.setInterval(INTERVAL_MS);
    // A coarse timer may come a little early, which would cost a second tick per second.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(on_tick));
}

void QtTimerControl::set_enabled(bool enabled) {
    if (enabled && !timer_.isActive()) {
        timer_.setInterval(INTERVAL_MS);  // a new run ticks at once as before
        timer_.start();
    }
    if (!enabled) timer_.stop();
}

void QtTimerControl::quiet_for(double seconds) {
    if (!timer_.isActive()) return;
    // One millisecond past the change, so the tick finds the new second already there.
    const double ms = std::ceil(seconds * 1000.0) + 1.0;
    const int interval = static_cast<int>(std::clamp(ms, 1.0, double(LONGEST_QUIET_MS)));
    if (interval != timer_.interval()) timer_.start(interval);
}

QtPollTimer::QtPollTimer(std::function<void()> on_tick) {
    timer_.setInterval(POLL_INTERVAL_MS);
    QObject::connect(&timer_, &QTimer::timeout, std::move(on_tick));
}

void QtPollTimer::set_enabled(bool enabled) {
    if (enabled && !timer_.isActive()) timer_.start();
    if (!enabled) timer_.stop();
}

QtFrameTimer::QtFrameTimer(std::function<void()> on_frame) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(on_frame));
}

void QtFrameTimer::start(double seconds) {
    const double ms = std::ceil(std::max(0.0, seconds) * 1000.0);
    timer_.start(static_cast<int>(std::min(ms, 60000.0)));
}

void QtMenuView::attach(MenuItem item, QAction* action) {
    actions_[static_cast<std::size_t>(item)] = action;
}

void QtMenuView::show_checked(MenuItem item, bool checked) {
    if (QAction* a = action(item)) a->setChecked(checked);
}

}  // namespace banzuri::app
