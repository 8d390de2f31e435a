// Placeholder: the about box is being built.
#include "app/about_box.h"

namespace banzuri::app {

AboutBox::AboutBox(std::function<bool()> open_homepage, QWidget* parent)
    : QDialog(parent), open_homepage_(std::move(open_homepage)) {}

}  // namespace banzuri::app
