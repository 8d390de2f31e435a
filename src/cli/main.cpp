// banzuri-cli: positions, legal moves and play without a window.
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
    banzuri::cli::Args args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const banzuri::cli::Output result = banzuri::cli::run(args);
    std::cout << result.out;
    std::cerr << result.err;
    std::cout.flush();
    return std::cout ? result.status : 1;
}
