#include "app/window_memory.h"

#include <QSettings>
#include <memory>

namespace banzuri::app {

namespace {

std::unique_ptr<QSettings> open(const QString& file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("banzuri"), QStringLiteral("window"));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

// Sizes beyond any screen are not worth restoring.
bool sensible(const QSize& size) {
    return size.width() >= 100 && size.height() >= 100 && size.width() <= 20000 &&
           size.height() <= 20000;
}

}  // namespace

WindowState WindowMemory::recall() const {
    const auto settings = open(file_);
    WindowState state;
    const QSize size = settings->value(QStringLiteral("window/size")).toSize();
    if (sensible(size)) state.size = size;
    state.full_screen = settings->value(QStringLiteral("window/fullScreen"), false).toBool();
    return state;
}

void WindowMemory::remember(const WindowState& state) const {
    const auto settings = open(file_);
    if (sensible(state.size)) settings->setValue(QStringLiteral("window/size"), state.size);
    settings->setValue(QStringLiteral("window/fullScreen"), state.full_screen);
}

bool WindowMemory::flag(const char* key, bool fallback) const {
    return open(file_)->value(QString::fromUtf8(key), fallback).toBool();
}

void WindowMemory::set_flag(const char* key, bool value) const {
    open(file_)->setValue(QString::fromUtf8(key), value);
}

}  // namespace banzuri::app
