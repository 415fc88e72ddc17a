// The single-instance lock and the hand-over to the running copy, against real running copies
// of the program; its command line.

#include "FakePlatform.h"
#include "app/frmMDI.h"
#include "platform/InstanceChannel.h"
#include "platform/QtPlatform.h"
#include "widgets/ToolWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace orbika {
namespace {

// A private runtime folder and home for running the real program.
struct ProgramEnvironment {
    ProgramEnvironment() {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    }
    QString socketPath() const { return QDir(runtime.path()).filePath("orbika.socket"); }

    QTemporaryDir runtime;
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// Leaves a socket file nobody listens on, as a crashed program does.
void LeaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    ASSERT_LT(std::size_t(bytes.size()), sizeof address.sun_path);
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(path));
}

TEST(SingleInstance, ARunningProgramHoldsTheLockAndACrashedOneDoesNot) {
    ProgramEnvironment env;
    const QTemporaryDir& runtime = env.runtime;
    ASSERT_TRUE(runtime.isValid() && env.home.isValid());

    QProcess first;
    first.setProcessEnvironment(env.environment);
    first.start(QStringLiteral(ORBIKA_BINARY), {});
    ASSERT_TRUE(first.waitForStarted());
    const QString lock = QDir(runtime.path()).filePath("orbika.lock");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(env.socketPath()); }, 10000));

    {
        QtPlatform second(runtime.path());
        EXPECT_TRUE(second.otherInstanceRunning());
    }
    EXPECT_EQ(first.state(), QProcess::Running) << "the first instance is left alone";

    first.kill(); // a crash: the lock file stays behind
    first.waitForFinished();
    EXPECT_TRUE(QFileInfo::exists(lock));
    // The killed process may linger a moment as a zombie, which still counts as running.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !QtPlatform(runtime.path()).otherInstanceRunning(); }, 10000))
        << "a stale lock must not block the next start";
    QtPlatform next(runtime.path());
    EXPECT_FALSE(next.otherInstanceRunning());
    EXPECT_FALSE(next.otherInstanceRunning()) << "asking again keeps the lock it holds";

    // The killed program's socket is left too; the next one listens in its place.
    EXPECT_TRUE(QFileInfo::exists(env.socketPath()));
    next.listenForLaterStarts([](const QString&) {});
    QLocalSocket client;
    client.connectToServer(env.socketPath());
    EXPECT_TRUE(client.waitForConnected(5000)) << "a stale socket must not block the next start";
}

TEST(SingleInstance, AFileGivenToASecondStartOpensInTheFirst) {
    ProgramEnvironment env;
    ASSERT_TRUE(env.runtime.isValid() && env.home.isValid());
    LeaveStaleSocket(env.socketPath());

    // The first copy is this test, on the real lock and socket, with its windows on the fake.
    QtPlatform running(env.runtime.path());
    ASSERT_FALSE(running.otherInstanceRunning());
    test::FakePlatform fake;
    frmMDI window(fake);
    window.show();
    running.listenForLaterStarts([&](const QString& file) { window.laterStart(file); });

    QProcess second;
    second.setProcessEnvironment(env.environment);
    second.setWorkingDirectory(QStringLiteral(ORBIKA_TEST_DATA));
    second.start(QStringLiteral(ORBIKA_BINARY), {"ada-5-march-2000.zod"}); // relative to it
    // The second start waits for the first to take the file, so the first must keep serving.
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    EXPECT_TRUE(QTest::qWaitFor([&] { return window.readings().financial.Sign == "Pisces"; }));
    EXPECT_EQ(window.readings().financial.Name, "Ada King");
    EXPECT_TRUE(fake.messages.isEmpty());
}

TEST(SingleInstance, RequestsThatAreNotRequestsAreIgnored) {
    struct Case {
        const char* why;
        QByteArray line;
        std::optional<QString> file;
    };
    const QByteArray longest = '/' + QByteArray(kMaxHandOverBytes - 2, 'a') + '\n';
    for (const Case& c : {
             Case{"a path", "/home/ada/ada.zod\n", "/home/ada/ada.zod"},
             Case{"letters beyond ASCII", "/home/zo\xc3\xab/r.zod\n",
                  QString::fromUtf8("/home/zo\xc3\xab/r.zod")},
             Case{"no file: come forward only", "\n", ""},
             Case{"the longest path", longest, QString::fromLatin1(longest.chopped(1))},
             Case{"too long", '/' + longest, std::nullopt},
             Case{"half a request", "/home/ada/ada.z", std::nullopt},
             Case{"not absolute", "ada.zod\n", std::nullopt},
             Case{"two lines", "/a.zod\n/b.zod\n", std::nullopt},
             Case{"a zero byte", QByteArray("/a\0.zod\n", 8), std::nullopt},
             Case{"not UTF-8", "/home/\xff.zod\n", std::nullopt},
         }) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ParseHandOver(c.line), c.file);
    }
}

// A running copy's end of the channel in a private folder, noting the files it is handed.
struct ListeningServer {
    QTemporaryDir folder;
    QString path = folder.filePath("orbika.socket");
    QStringList files;
    InstanceServer server{path, [this](const QString& file) { files.append(file); }};
};

TEST(SingleInstance, TheRunningCopyOutlivesBadRequests) {
    ListeningServer running;
    const QString& path = running.path;
    const QStringList& files = running.files;
    InstanceServer& server = running.server;
    ASSERT_TRUE(server.listen());
    EXPECT_EQ(QFileInfo(path).permissions() &
                  (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions())
        << "only the user may talk to the running copy";

    auto send = [&](const QByteArray& bytes, bool hangUp) {
        auto* client = new QLocalSocket(&server);
        client->connectToServer(path);
        EXPECT_TRUE(client->waitForConnected(5000));
        client->write(bytes);
        client->flush();
        if (hangUp)
            client->disconnectFromServer();
        return client;
    };
    QLocalSocket* flood = send(QByteArray(3 * kMaxHandOverBytes, 'a'), false);
    send("/home/ada/ad", true);    // arrives half
    send("relative.zod\n", false); // not a path
    EXPECT_TRUE(QTest::qWaitFor([&] { return flood->state() == QLocalSocket::UnconnectedState; }))
        << "the server hangs up on an endless line";
    send("/home/ada/ada.zod\n", false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !files.isEmpty(); }));
    QTest::qWait(100);
    EXPECT_EQ(files, QStringList{"/home/ada/ada.zod"});
}

TEST(SingleInstance, SendersThatStallHoldUpNobody) {
    ListeningServer running;
    const QString& path = running.path;
    const QStringList& files = running.files;
    ASSERT_TRUE(running.server.listen());

    QLocalSocket silent, half;
    for (QLocalSocket* client : {&silent, &half}) {
        client->connectToServer(path);
        ASSERT_TRUE(client->waitForConnected(5000));
    }
    half.write("/home/ada/ad");
    half.flush();
    // The sender blocks until the server has the line, so it runs beside the event loop.
    auto sent = std::async(std::launch::async, [&] { return SendHandOver(path, "/b/c.zod"); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_TRUE(sent.get()) << "taken while two other senders stall";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !files.isEmpty(); }));
    EXPECT_EQ(files, QStringList{"/b/c.zod"});

    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return silent.state() == QLocalSocket::UnconnectedState &&
                   half.state() == QLocalSocket::UnconnectedState;
        },
        10000))
        << "stalled senders are hung up on";
    EXPECT_EQ(files, QStringList{"/b/c.zod"});
}

TEST(SingleInstance, ASocketPathTheSystemCannotHoldIsRefusedWhole) {
    // A socket's address holds a path of fewer bytes than sun_path; a cut path would be another
    // file, so one byte over the limit means no socket at all.
    constexpr qsizetype kRoom = sizeof sockaddr_un::sun_path;
    for (const qsizetype length : {kRoom - 1, kRoom}) {
        SCOPED_TRACE(length);
        QTemporaryDir base;
        const QString tail = QStringLiteral("/orbika.socket");
        const qsizetype padding = length - base.path().size() - 1 - tail.size();
        ASSERT_GT(padding, 0);
        QDir(base.path()).mkdir(QString(padding, 'r'));
        const QString folder = base.filePath(QString(padding, 'r'));
        const QString path = folder + tail;
        ASSERT_EQ(QFile::encodeName(path).size(), length);

        InstanceServer server(path, [](const QString&) {});
        const bool fits = length < kRoom;
        EXPECT_EQ(server.listen(), fits);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                  fits ? QStringList{"orbika.socket"} : QStringList{});
        if (!fits) {
            EXPECT_FALSE(SendHandOver(path, QString()));
        }
    }
}

TEST(CommandLine, HelpVersionAndBadOptionsOpenNoWindow) {
    struct Case {
        const char* why;
        QStringList arguments;
        int status;
        const char* out; // expected in standard output
        const char* err; // expected in standard error
    };
    ProgramEnvironment env;
    // No display at all: the program would abort if it tried to open a window.
    env.environment.insert("QT_QPA_PLATFORM", "xcb");
    env.environment.remove("DISPLAY");
    env.environment.remove("WAYLAND_DISPLAY");
    for (const Case& c : {
             Case{"help", {"--help"}, 0, "Usage: orbika [options] [FILE]", ""},
             Case{"short help", {"-h"}, 0, "--version", ""},
             Case{"version", {"--version"}, 0, "orbika 1.15\n", ""},
             Case{"Qt's own options",
                  {"-platform", "xcb", "-style=fusion", "-v"},
                  0,
                  "orbika 1.15\n",
                  ""},
             Case{"unknown option", {"--frobnicate"}, 2, "", "Unknown option 'frobnicate'"},
             Case{"two files", {"a.zod", "b.zod"}, 2, "", "Usage: orbika"},
         }) {
        SCOPED_TRACE(c.why);
        QProcess program;
        program.setProcessEnvironment(env.environment);
        program.start(QStringLiteral(ORBIKA_BINARY), c.arguments);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.status);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.out))) << out.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.err))) << err.toStdString();
        if (c.status != 0) {
            EXPECT_EQ(err.count('\n'), 2) << "a short usage, not the whole help";
        }
        EXPECT_FALSE(QFileInfo::exists(QDir(env.runtime.path()).filePath("orbika.lock")));
    }
}

TEST(SingleInstance, AnUnusableLockFolderDoesNotKeepTheProgramFromStarting) {
    QtPlatform platform(QStringLiteral("/dev/null/no-such-folder"));
    EXPECT_FALSE(platform.otherInstanceRunning());
}

} // namespace
} // namespace orbika
