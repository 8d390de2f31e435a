// The record files' dialogs and the clipboard on Qt. The dialogs are Qt's own (the same on
// every desktop), labelled in Japanese; the folder last used is remembered for the session.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>

#include "platform/clipboard.h"
#include "platform/file_chooser.h"

namespace banzuri::app {

class QtFileChooser : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* parent) : parent_(parent) {}
    std::optional<std::filesystem::path> choose_file_to_open(const std::string& title) override;
    std::optional<std::filesystem::path> choose_file_to_save(
        const std::string& title, const std::string& suggested_name) override;

    // The folder the next dialog starts in: the one last used, else the home folder.
    QString folder() const { return folder_; }

  private:
    std::optional<std::filesystem::path> run(QFileDialog& dialog);
    QWidget* parent_;
    QString folder_;
};

class QtClipboard : public Clipboard {
  public:
    void set_text(const std::string& text) override;
};

}  // namespace banzuri::app
