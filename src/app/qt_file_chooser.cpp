#include "app/qt_file_chooser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace banzuri::app {

namespace {

const char* const kRecordFilter = "棋譜ファイル (*.kifu *.kif *.KIFU *.KIF)";
const char* const kAnyFilter = "すべてのファイル (*)";

// A label of the dialogs in the language in use.
QString text(const char* utf8) {
    return QCoreApplication::translate("FileDialog", utf8);
}

void label_in_language(QFileDialog& dialog, const char* accept) {
    dialog.setLabelText(QFileDialog::LookIn, text("場所:"));
    dialog.setLabelText(QFileDialog::FileName, text("ファイル名:"));
    dialog.setLabelText(QFileDialog::FileType, text("種類:"));
    dialog.setLabelText(QFileDialog::Accept, text(accept));
    dialog.setLabelText(QFileDialog::Reject, text("キャンセル"));
}

// Asks in the language in use before a file is replaced; Qt's own question may not.
bool may_replace(QWidget* parent, const QString& file, const QString& title) {
    if (!QFileInfo::exists(file)) return true;
    QMessageBox box(QMessageBox::NoIcon, title,
                    text("「%1」はもうあります。置き換えますか？").arg(QFileInfo(file).fileName()),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(text("はい"));
    box.button(QMessageBox::No)->setText(text("いいえ"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

std::optional<std::filesystem::path> QtFileChooser::run(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({text(kRecordFilter), text(kAnyFilter)});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().front();
    folder_ = QFileInfo(chosen).absolutePath();
    return std::filesystem::path(chosen.toStdString());
}

std::optional<std::filesystem::path> QtFileChooser::choose_file_to_open(const std::string& title) {
    QFileDialog dialog(parent_, QString::fromStdString(title),
                       folder_.isEmpty() ? QDir::homePath() : folder_);
    dialog.setObjectName(QStringLiteral("OPEN_RECORD"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    label_in_language(dialog, "開く");
    return run(dialog);
}

std::optional<std::filesystem::path> QtFileChooser::choose_file_to_save(
    const std::string& title, const std::string& suggested_name) {
    const QString start = folder_.isEmpty() ? QDir::homePath() : folder_;
    QFileDialog dialog(parent_, QString::fromStdString(title),
                       QDir(start).filePath(QString::fromStdString(suggested_name)));
    dialog.setObjectName(QStringLiteral("SAVE_RECORD"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("kifu"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    label_in_language(dialog, "保存");
    for (;;) {
        std::optional<std::filesystem::path> file = run(dialog);
        if (!file || may_replace(parent_, QString::fromStdString(file->string()),
                                 QString::fromStdString(title)))
            return file;
    }
}

void QtClipboard::set_text(const std::string& copied) {
    QApplication::clipboard()->setText(QString::fromStdString(copied));
}

}  // namespace banzuri::app
