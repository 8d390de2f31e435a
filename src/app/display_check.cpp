#include "app/display_check.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace banzuri::app {

namespace {

constexpr int X_TCP_PORT_BASE = 6000;
constexpr int CONNECT_TIMEOUT_MS = 3000;

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Connects without waiting longer than the timeout; true when the other side accepted.
bool connects(int family, const sockaddr* address, socklen_t length) {
    const int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    bool ok = ::connect(fd, address, length) == 0;
    if (!ok && errno == EINPROGRESS) {
        pollfd waiting{fd, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        ok = ::poll(&waiting, 1, CONNECT_TIMEOUT_MS) == 1 &&
             ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    ::close(fd);
    return ok;
}

// The display's socket in the abstract namespace, then in the file system.
bool local_socket_accepts(const std::string& number) {
    const std::string path = "/tmp/.X11-unix/X" + number;
    for (const bool abstract : {true, false}) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, path.data(), path.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                   path.size() + (abstract ? 0 : 1));
        if (connects(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length)) return true;
    }
    return false;
}

bool tcp_port_accepts(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool ok = false;
    for (const addrinfo* a = found; a != nullptr && !ok; a = a->ai_next)
        ok = connects(a->ai_family, a->ai_addr, a->ai_addrlen);
    ::freeaddrinfo(found);
    return ok;
}

// What Qt said while the application object was being made.
std::vector<std::pair<QtMsgType, QString>> held_messages;
QtMessageHandler previous_handler = nullptr;

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held_messages.emplace_back(type, text);
        return;
    }
    (void)context;
    std::fprintf(stderr, "%s\n", NO_DISPLAY_MESSAGE);
    std::fflush(stderr);
    std::_Exit(1);  // Qt would abort next; nothing of the program has started yet
}

}  // namespace

bool x_display_reachable(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) return false;
    std::string host(display.substr(0, colon));
    if (const std::size_t slash = host.find('/'); slash != std::string::npos)
        host.erase(0, slash + 1);  // a protocol such as "unix/" or "tcp/"
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    const std::string_view rest = display.substr(colon + 1);
    const std::string_view digits = rest.substr(0, rest.find('.'));
    int number = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
        number < 0 || number > 65535 - X_TCP_PORT_BASE)
        return false;
    const bool local = host.empty() || host == "unix";
    if (local && local_socket_accepts(std::string(digits))) return true;
    return tcp_port_accepts(local ? "localhost" : host, X_TCP_PORT_BASE + number);
}

bool graphical_session_available() {
    // A platform chosen by hand, or Wayland, is left to Qt; the guard below catches its failure.
    if (set("QT_QPA_PLATFORM") || set("WAYLAND_DISPLAY")) return true;
    return set("DISPLAY") && x_display_reachable(std::getenv("DISPLAY"));
}

PlatformStartGuard::PlatformStartGuard() {
    held_messages.clear();
    previous_handler = qInstallMessageHandler(hold_message);
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(previous_handler);
    const auto messages = std::move(held_messages);
    held_messages.clear();
    for (const auto& [type, text] : messages) {
        const QMessageLogContext context;
        qt_message_output(type, context, text);
    }
}

}  // namespace banzuri::app
