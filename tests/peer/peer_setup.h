// The peer test's set-up: running node and npm, and tsshogi installed once into a cache folder.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace banzuri::testing {

using Ran = CliRun;

// Runs a program found on PATH; its output goes to files in `work`.
inline Ran run_program(const std::vector<std::string>& args, const std::filesystem::path& work) {
    const std::string out_file = (work / "program.out").string();
    const std::string err_file = (work / "program.err").string();
    Ran result;
    result.status = spawn_and_wait(args, out_file, err_file);
    result.out = slurp(out_file);
    result.err = slurp(err_file);
    return result;
}

// ${XDG_CACHE_HOME:-~/.cache}/banzuri-tests: where npm installs tsshogi.
inline std::filesystem::path peer_cache() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && cache[0] == '/') return std::filesystem::path(cache) / "banzuri-tests";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "/tmp") / ".cache" / "banzuri-tests";
}

enum class PeerState { ready, unreachable, broken };

// Holds a lock on the cache while it lives: tests run side by side install once.
struct CacheLock {
    explicit CacheLock(const std::filesystem::path& cache) {
        std::filesystem::create_directories(cache);
        fd = ::open((cache / ".install-lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0) ::flock(fd, LOCK_EX);
    }
    ~CacheLock() {
        if (fd >= 0) ::close(fd);
    }
    CacheLock(const CacheLock&) = delete;
    CacheLock& operator=(const CacheLock&) = delete;
    int fd = -1;
};

// Installs tsshogi 2 unless it is there. `why` says what went wrong otherwise.
inline PeerState install_tsshogi(const std::filesystem::path& work, std::string& why) {
    const std::filesystem::path cache = peer_cache();
    const CacheLock lock(cache);
    if (std::filesystem::exists(cache / "node_modules" / "tsshogi" / "package.json"))
        return PeerState::ready;
    if (run_program({"node", "--version"}, work).status != 0 ||
        run_program({"npm", "--version"}, work).status != 0) {
        why = "node and npm are needed: bash scripts/setup.sh --test installs them";
        return PeerState::broken;
    }
    const Ran install = run_program(
        {"npm", "install", "--prefix", cache.string(), "--no-audit", "--no-fund", "tsshogi@2"},
        work);
    if (install.status == 0) return PeerState::ready;
    why = "npm install tsshogi@2 failed: " + install.err;
    return run_program({"npm", "ping"}, work).status == 0 ? PeerState::broken
                                                          : PeerState::unreachable;
}

}  // namespace banzuri::testing
