// Finding out, before Qt is asked, whether the display in DISPLAY can be reached; and the one
// line with exit status 1 when Qt finds no platform after all.
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <cstring>
#include <string>

#include "app/display_check.h"

using banzuri::app::x_display_reachable;

namespace {

// A listening socket that stands in for an X server; closed with the object.
class FakeServer {
  public:
    // On the display's abstract local socket.
    static FakeServer local(int number) {
        FakeServer server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, path.data(), path.size());
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
        server.listen_on(reinterpret_cast<const sockaddr*>(&address), length);
        return server;
    }
    // On 127.0.0.1, port 6000 + number.
    static FakeServer tcp(int number) {
        FakeServer server(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(6000 + number));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        server.listen_on(reinterpret_cast<const sockaddr*>(&address), sizeof address);
        return server;
    }
    FakeServer(FakeServer&& other) noexcept : fd_(std::exchange(other.fd_, -1)), ok_(other.ok_) {}
    ~FakeServer() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool listening() const { return ok_; }

  private:
    explicit FakeServer(int fd) : fd_(fd) {}
    void listen_on(const sockaddr* address, socklen_t length) {
        ok_ = fd_ >= 0 && ::bind(fd_, address, length) == 0 && ::listen(fd_, 4) == 0;
    }
    int fd_;
    bool ok_ = false;
};

// A display number nobody serves, locally or on TCP.
int unused_display() {
    for (int number = 4321; number < 4400; ++number)
        if (!x_display_reachable(std::string(":").append(std::to_string(number)))) return number;
    return -1;
}

}  // namespace

class DisplayCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void aDisplayWithoutAServerIsUnreachable() {
        const int number = unused_display();
        QVERIFY(number > 0);
        const std::string name = std::to_string(number);
        QVERIFY(!x_display_reachable(":" + name));
        QVERIFY(!x_display_reachable(":" + name + ".0"));
        QVERIFY(!x_display_reachable("unix:" + name));
        QVERIFY(!x_display_reachable("127.0.0.1:" + name));
    }

    void aListeningServerIsReachable() {
        const int number = unused_display();
        const FakeServer local = FakeServer::local(number);
        QVERIFY(local.listening());
        const std::string name = std::to_string(number);
        QVERIFY(x_display_reachable(":" + name));
        QVERIFY(x_display_reachable(":" + name + ".0"));
        QVERIFY(x_display_reachable("unix/:" + name));
        const FakeServer tcp = FakeServer::tcp(number + 1);
        QVERIFY(tcp.listening());
        QVERIFY(x_display_reachable("127.0.0.1:" + std::to_string(number + 1)));
        QVERIFY(x_display_reachable("tcp/127.0.0.1:" + std::to_string(number + 1) + ".0"));
    }

    void malformedNamesAreUnreachable() {
        for (const char* name : {"", ":", "0", ":x", ":-1", ":1x", ":99999", "::0",
                                 "no.such.host.invalid:0", "\n:0\x01", ":0\n"})
            QVERIFY2(!x_display_reachable(name), name);
        QVERIFY(!x_display_reachable(std::string(100000, ':') + "1"));
    }

    void anUnreachableDisplayIsNoSession() {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", QByteArray(":") + QByteArray::number(unused_display()));
        const bool unreachable_is_no_session = !banzuri::app::graphical_session_available();
        qunsetenv("DISPLAY");
        const bool unset_is_no_session = !banzuri::app::graphical_session_available();
        qputenv("QT_QPA_PLATFORM", platform);
        if (!wayland.isEmpty()) qputenv("WAYLAND_DISPLAY", wayland);
        if (!display.isEmpty()) qputenv("DISPLAY", display);
        QVERIFY(unreachable_is_no_session);
        QVERIFY(unset_is_no_session);
    }

    void otherMessagesWaitForTheEndOfTheGuard() {
        QTest::ignoreMessage(QtWarningMsg, "while starting");
        {
            const banzuri::app::PlatformStartGuard guard;
            qWarning("while starting");
        }
    }

    // Qt's fatal "no platform" ends the program with the one line and status 1.
    void noPlatformEndsWithOneLineAndStatusOne() {
        int out[2];
        QCOMPARE(::pipe(out), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::dup2(out[1], STDERR_FILENO);
            const banzuri::app::PlatformStartGuard guard;
            qFatal(
                "This application failed to start because no Qt platform plugin could be "
                "initialized.");
        }
        ::close(out[1]);
        std::string said;
        char chunk[256];
        for (ssize_t got; (got = ::read(out[0], chunk, sizeof chunk)) > 0;)
            said.append(chunk, static_cast<std::size_t>(got));
        ::close(out[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 1);
        QCOMPARE(QString::fromStdString(said),
                 QString::fromUtf8(banzuri::app::NO_DISPLAY_MESSAGE) + "\n");
    }
};

QTEST_MAIN(DisplayCheckTest)
#include "display_check_test.moc"
