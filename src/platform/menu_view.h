// The menu items with check marks and the view that shows the marks.
#pragma once

namespace banzuri {

// Menu items that carry check marks.
enum class MenuItem {
    LEVEL1,
    LEVEL2,
    LEVEL3,
    MIDORI,
    TATAMI,
    TAKE,
    UCHU,
    RENGA,
    SIDOU,
    KEIKA,
    BGM
};
inline constexpr int MENU_ITEM_COUNT = 11;

// Shows the game's check marks on the real menus.
class MenuView {
  public:
    virtual ~MenuView() = default;
    virtual void show_checked(MenuItem item, bool checked) = 0;
};

}  // namespace banzuri
