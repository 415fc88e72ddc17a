// The single-instance lock, against a real running copy of the program.

#include "platform/QtPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace orbika {
namespace {

TEST(SingleInstance, ARunningProgramHoldsTheLockAndACrashedOneDoesNot) {
    QTemporaryDir runtime;
    QTemporaryDir home;
    ASSERT_TRUE(runtime.isValid() && home.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess first;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(ORBIKA_BINARY), {});
    ASSERT_TRUE(first.waitForStarted());
    const QString lock = QDir(runtime.path()).filePath("orbika.lock");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(lock); }, 10000));

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
}

TEST(SingleInstance, AnUnusableLockFolderDoesNotKeepTheProgramFromStarting) {
    QtPlatform platform(QStringLiteral("/dev/null/no-such-folder"));
    EXPECT_FALSE(platform.otherInstanceRunning());
}

} // namespace
} // namespace orbika
