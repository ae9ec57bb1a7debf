// Saving onto a full disk: a 64 KiB tmpfs that the 90 KB bitmap cannot fit.
// Mounting needs root (CI runs as root); elsewhere the test says it skipped,
// and CTest counts it as skipped.
#include "support/session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

using namespace testing_support;

namespace {

class FullDisk : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    bool mounted = false;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QByteArray where = QFile::encodeName(dir.path());
        if (mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0) {
            const std::string why = std::string("cannot mount a small tmpfs here (") +
                                    std::strerror(errno) + "); run as root to test a full disk";
            // CI runs as root: there a test that cannot run is a failure.
            if (qEnvironmentVariable("CI") == QLatin1String("true")) FAIL() << why;
            GTEST_SKIP() << why;
        }
        mounted = true;
    }
    void TearDown() override {
        if (mounted) umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
};

TEST_F(FullDisk, TheMessageGivesTheRealReasonAndTheOldFileSurvives) {
    const QString target = dir.filePath(QStringLiteral("name.bmp"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("keep me");
    old.close();

    ProgramUnderTest program;
    program.click("Image2"); // A
    program.dialog->answers.push_back(target);
    program.click("Image32");

    ASSERT_EQ(program.messages->texts.size(), 1u) << "the failed save is reported once";
    const QString message = program.messages->texts[0];
    EXPECT_TRUE(message.contains(target)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("No space left on device")))
        << "the message should name the full disk: " << message.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("keep me"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("name.bmp")})
        << "no temporary file is left behind";
}

} // namespace
