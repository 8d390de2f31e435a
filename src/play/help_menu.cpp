// The help page and the about box of the "その他" menu. The browser is reached only through
// the platform's URL opener, with an address built here; any failure is swallowed.
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "help/help_address.h"
#include "play/main_form.h"

namespace banzuri {

namespace {

bool open_in_browser(UrlOpener& browser, const std::string& address) {
    if (!openable_address(address)) return false;
    try {
        return browser.open_url(address);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void MainForm::KAISETU_Click() {
    std::error_code error;
    // In English the English page, where it is installed; otherwise the Japanese one.
    std::filesystem::path page = start_dir_ / ENGLISH_HELP_PAGE_FILE;
    if (view_.language != Language::ENGLISH || !std::filesystem::is_regular_file(page, error))
        page = start_dir_ / HELP_PAGE_FILE;
    if (!std::filesystem::is_regular_file(page, error)) return;  // no help page: nothing to show
    open_in_browser(p.browser, file_url(page));
}

void MainForm::VER_Click() {
    sound_.play(sound_.snd_other());
    p.app.show_about();
}

bool MainForm::HOMEPAGE_Click() {
    return open_in_browser(p.browser, HOME_PAGE_ADDRESS);
}

}  // namespace banzuri
