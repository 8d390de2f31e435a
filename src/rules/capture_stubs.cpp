// Placeholder bodies; the capture rules are being built.
#include "rules/enclosure.h"
#include "rules/sandwich.h"

namespace banzuri {

int 調査挟み_上(const GameState&, int, int, int&, int&) {
    return OFF;
}
int 調査挟み_下(const GameState&, int, int, int&, int&) {
    return OFF;
}
int 調査挟み_左(const GameState&, int, int, int&, int&) {
    return OFF;
}
int 調査挟み_右(const GameState&, int, int, int&, int&) {
    return OFF;
}
int 調査_挟めるか(const GameState&, int, int) {
    return OFF;
}
std::vector<Square> 挟まれる駒(const GameState&, int, int, int, int) {
    return {};
}
void 石_取得_仮(GameState&, int, int, int, int) {}
void 挟み処理_仮想(GameState&, int, int) {}
int 調査_王を取れるか(GameState&, int, int, int) {
    return OFF;
}
int 調査_四方状態(const GameState&, int, int, int) {
    return OFF;
}
int 調査_向右(GameState&, int) {
    return 0;
}
int 調査_向左(GameState&, int) {
    return 0;
}
int 調査_向下(GameState&, int) {
    return 0;
}
int 調査_向上(GameState&, int) {
    return 0;
}
int 調査_当たり2(GameState&, int, int, int) {
    return OFF;
}
int 調査_当たり(GameState&, int, int, int, int) {
    return OFF;
}
std::vector<Square> 当たり駒(const GameState&) {
    return {};
}

}  // namespace banzuri
