// The menu items with check marks and the view that shows the marks.
#pragma once

namespace banzuri {

// Menu items that carry check marks. The items LEVEL4 and LEVEL5 are named like the computer's
// level numbers; being scoped, they cannot be mistaken for them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
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
    BGM,
    LEVEL4,
    LEVEL5
};
#pragma GCC diagnostic pop
inline constexpr int MENU_ITEM_COUNT = 13;

// Shows the game's check marks on the real menus.
class MenuView {
  public:
    virtual ~MenuView() = default;
    virtual void show_checked(MenuItem item, bool checked) = 0;
};

}  // namespace banzuri
