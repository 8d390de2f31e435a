// banzuri-cli: positions, legal moves and play without a window.
#include <iostream>

int main() {
    std::cerr << "usage: banzuri-cli startpos | moves SFEN | play SFEN MOVE...\n";
    return 2;
}
