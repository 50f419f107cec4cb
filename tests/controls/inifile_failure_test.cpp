// Writes that cannot be done: the error names the file, and whatever was on
// disk before stays exactly as it was.  The permission cases need a user that
// permissions apply to, so under root they run in a child process as nobody.
#include "controls/IniFile.h"
#include "controls/IniGT.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace kalvio {
namespace {

const QByteArray kOldFile = "; kept\r\n[form]\r\nform1.top=80\r\nform1.left=80\r\n";

std::string writeErrorFor(const QString &path)
{
    return (path + QStringLiteral(" に書き込めません")).toStdString();
}

// The message of the IniWriteError the write raised, or "" when it raised none.
std::string writeError(const QString &path)
{
    try {
        IniFile(path).writeInteger(QStringLiteral("form"), QStringLiteral("form1.top"), 500);
    } catch (const IniWriteError &error) {
        return error.what();
    }
    return {};
}

class IniFailureTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Let the temporary folder be removed even when not running as root.
        for (const QString &name : QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            QFile::setPermissions(dir_.filePath(name),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    QString put(const QString &relativePath, const QByteArray &bytes) const
    {
        const QString path = dir_.filePath(relativePath);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
        return path;
    }

    static std::string contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
    }

    QStringList entries(const QString &folder) const
    {
        return QDir(dir_.filePath(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir_;
};

TEST_F(IniFailureTest, TargetThatIsAFolder)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Kalvio.ini")));
    const QString path = dir_.filePath(QStringLiteral("Kalvio.ini"));
    EXPECT_EQ(writeError(path), writeErrorFor(path));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(entries(QString()), QStringList{QStringLiteral("Kalvio.ini")});
}

TEST_F(IniFailureTest, MissingParentFolder)
{
    const QString path = dir_.filePath(QStringLiteral("gone/Kalvio.ini"));
    EXPECT_EQ(writeError(path), writeErrorFor(path));
    EXPECT_TRUE(entries(QString()).isEmpty());
}

TEST_F(IniFailureTest, EmptyPathAndAPathWithBackslashesAndUtf8)
{
    EXPECT_EQ(writeError(QString()), writeErrorFor(QString()));
    // The message carries the path as given, non-ASCII text included.
    const QString path = dir_.filePath(QStringLiteral("無い\\D:\\Data/x.ini"));
    EXPECT_EQ(writeError(path), writeErrorFor(path));
}

// The outcome of a write attempted without root's privileges, reported
// through a child's exit status when the test runs as root.
enum class Outcome { refused = 0, written = 1, cannotRead = 2, setupFailed = 3, noUnprivilegedUser = 77 };

// Runs `attempt` as a user to whom file permissions apply.
Outcome unprivileged(const std::function<Outcome()> &attempt)
{
    if (geteuid() != 0) {
        return attempt();
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0 || geteuid() == 0) {
            _exit(static_cast<int>(Outcome::noUnprivilegedUser));
        }
        int status = static_cast<int>(Outcome::setupFailed);
        try {
            status = static_cast<int>(attempt());
        } catch (...) {
        }
        _exit(status);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return Outcome::setupFailed;
    }
    return static_cast<Outcome>(WEXITSTATUS(status));
}

// The file must read back first, so that a refusal is the write's own and
// not a folder the user cannot even enter.
Outcome tryToWrite(const QString &path)
{
    const IniFile ini(path);
    if (ini.readInteger(QStringLiteral("form"), QStringLiteral("form1.top"), -1) != 80) {
        return Outcome::cannotRead;
    }
    const std::string error = writeError(path);
    if (error.empty()) {
        return Outcome::written;
    }
    return error == writeErrorFor(path) ? Outcome::refused : Outcome::setupFailed;
}

class IniPermissionTest : public IniFailureTest {
protected:
    void SetUp() override
    {
        // The unprivileged user must be able to reach the files at all.
        ASSERT_TRUE(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ExeOwner | QFile::ReadOther |
                                                           QFile::ExeOther));
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("app")));
    }

    void expectRefused(Outcome outcome)
    {
        if (outcome == Outcome::noUnprivilegedUser) {
            GTEST_SKIP()
                << "running as root and unable to switch to the user nobody, so permissions do not apply";
        }
        EXPECT_EQ(static_cast<int>(outcome), static_cast<int>(Outcome::refused));
    }

    static constexpr QFile::Permissions readOnly{QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther |
                                                 QFile::ReadUser};
    static constexpr QFile::Permissions readOnlyFolder{readOnly | QFile::ExeOwner | QFile::ExeGroup |
                                                       QFile::ExeOther | QFile::ExeUser};
    static constexpr QFile::Permissions openFolder{readOnlyFolder | QFile::WriteOwner | QFile::WriteGroup |
                                                   QFile::WriteOther | QFile::WriteUser};
};

TEST_F(IniPermissionTest, ReadOnlyFolder)
{
    const QString path = put(QStringLiteral("app/Kalvio.ini"), kOldFile);
    ASSERT_TRUE(
        QFile::setPermissions(path, readOnly | QFile::WriteOwner | QFile::WriteUser | QFile::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(dir_.filePath(QStringLiteral("app")), readOnlyFolder));

    expectRefused(unprivileged([&] { return tryToWrite(path); }));
    EXPECT_EQ(contents(path), kOldFile.toStdString());
    EXPECT_EQ(entries(QStringLiteral("app")), QStringList{QStringLiteral("Kalvio.ini")});
}

TEST_F(IniPermissionTest, ReadOnlyFileInAWritableFolder)
{
    const QString path = put(QStringLiteral("app/Kalvio.ini"), kOldFile);
    const QString other = put(QStringLiteral("app/Other.ini"), kOldFile);
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    ASSERT_TRUE(
        QFile::setPermissions(other, readOnly | QFile::WriteOther | QFile::WriteOwner | QFile::WriteUser));
    ASSERT_TRUE(QFile::setPermissions(dir_.filePath(QStringLiteral("app")), openFolder));

    // The writable neighbour shows that only the file's own mode stops the write.
    expectRefused(unprivileged([&] {
        const Outcome neighbour = tryToWrite(other);
        return neighbour == Outcome::written ? tryToWrite(path) : Outcome::setupFailed;
    }));
    EXPECT_EQ(contents(path), kOldFile.toStdString());
    EXPECT_NE(contents(other).find("form1.top=500\r\n"), std::string::npos);
    EXPECT_EQ(entries(QStringLiteral("app")),
              (QStringList{QStringLiteral("Kalvio.ini"), QStringLiteral("Other.ini")}));
}

TEST_F(IniPermissionTest, FileThatCannotBeReadIsNotReplaced)
{
    const QString path = put(QStringLiteral("app/Kalvio.ini"), kOldFile);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner | QFile::WriteUser | QFile::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(dir_.filePath(QStringLiteral("app")), openFolder));

    expectRefused(unprivileged([&] {
        const IniFile ini(path);
        if (ini.readInteger(QStringLiteral("form"), QStringLiteral("form1.top"), -1) != -1) {
            return Outcome::setupFailed;
        }
        return writeError(path) == writeErrorFor(path) ? Outcome::refused : Outcome::written;
    }));
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    EXPECT_EQ(contents(path), kOldFile.toStdString());
}

} // namespace
} // namespace kalvio
