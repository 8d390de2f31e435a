// Runs the banzuri-cli executable with arguments and collects what it printed.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace banzuri::testing {

struct CliRun {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Runs `args` (the program first, looked up on PATH when its name has no slash) with standard
// input from /dev/null and its output into the two files; its exit status, or -1 when it did
// not exit normally or could not be started.
inline int spawn_and_wait(std::vector<std::string> args, const std::string& out_file,
                          const std::string& err_file) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int status = -1;
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        if (WIFEXITED(wstatus)) status = WEXITSTATUS(wstatus);
    }
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

// Standard output goes to `stdout_path` when one is given (then `out` stays empty).
inline CliRun run_cli(const std::vector<std::string>& args, const std::string& stdout_path = {}) {
    static int counter = 0;
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("banzuri-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(dir);
    const std::string out_file = (dir / "out").string();
    const std::string err_file = (dir / "err").string();
    std::vector<std::string> all = {BANZURI_CLI};
    all.insert(all.end(), args.begin(), args.end());
    CliRun result;
    result.status =
        spawn_and_wait(std::move(all), stdout_path.empty() ? out_file : stdout_path, err_file);
    result.out = slurp(out_file);
    result.err = slurp(err_file);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return result;
}

}  // namespace banzuri::testing
