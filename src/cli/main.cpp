// banzuri-cli: positions, legal moves and play without a window.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"

namespace {

// Writes all of `text` to the stream; false with errno set when that failed.
bool write_out(std::FILE* stream, const std::string& text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written && std::ferror(stream) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    banzuri::cli::Args args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const banzuri::cli::Output result = banzuri::cli::run(args);
    const bool written = write_out(stdout, result.out);
    const int error = errno != 0 ? errno : EIO;
    write_out(stderr, result.err);
    if (written) return result.status;
    write_out(stderr, "banzuri-cli: standard output: could not be written (" +
                          std::string(std::strerror(error)) + ")\n");
    return banzuri::cli::EXIT_OUTPUT_FAILED;
}
