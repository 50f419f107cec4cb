// The window position kept in the settings file beside the executable, as the
// main window reads it at start and writes it when it closes.
#include "controls/IniGT.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kalvio {
namespace {

const QString kSection = QStringLiteral("form");
const QString kTop = QStringLiteral("form1.top");
const QString kLeft = QStringLiteral("form1.left");

class IniGTSettingsTest : public ::testing::Test {
protected:
    // A component placed as on the main window, for an executable in the
    // temporary folder.
    void load(IniGT &ini) const
    {
        ini.setDefaultDir(ddApplication);
        ini.setFence(fnNone);
        ini.loaded();
    }

    QString exe() const { return dir_.filePath(QStringLiteral("kalvio")); }
    QString settings() const { return dir_.filePath(QStringLiteral("Kalvio.ini")); }

    std::string contents() const
    {
        QFile file(settings());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    void put(const std::string &text) const
    {
        QFile file(settings());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    QTemporaryDir dir_;
};

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::string::size_type from = 0;
    while (from < text.size()) {
        const auto end = text.find('\n', from);
        const auto next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(from, next - from));
        from = next;
    }
    return lines;
}

TEST_F(IniGTSettingsTest, FirstStartUsesDefaultsAndClosingCreatesTheFileTopFirst)
{
    IniGT ini(exe());
    load(ini);
    EXPECT_EQ(ini.ResolvedPath(), settings());
    EXPECT_EQ(ini.ReadInteger(kSection, kTop, 80), 80);
    EXPECT_EQ(ini.ReadInteger(kSection, kLeft, 80), 80);
    EXPECT_FALSE(QFile::exists(settings()));

    ini.WriteInteger(kSection, kTop, 141);
    ini.WriteInteger(kSection, kLeft, 289);
    EXPECT_EQ(contents(), "[form]\nform1.top=141\nform1.left=289\n");

    // The next run finds them.
    IniGT next(exe());
    load(next);
    EXPECT_EQ(next.ReadInteger(kSection, kTop, 80), 141);
    EXPECT_EQ(next.ReadInteger(kSection, kLeft, 80), 289);
}

TEST_F(IniGTSettingsTest, WritingThePositionChangesOnlyItsTwoLines)
{
    const std::string before = "; Kalvio settings\r\n"
                               "[other]\r\n"
                               "form1.top=1\r\n"
                               "\r\n"
                               "[Form]\r\n"
                               "; the window's top left corner\r\n"
                               "Form1.Top=80\r\n"
                               "width = 650\r\n"
                               "form1.left = 80\r\n"
                               "\r\n"
                               "[help]\r\n"
                               "file=kalvio.hlp\r\n";
    put(before);
    IniGT ini(exe());
    load(ini);
    ini.WriteInteger(kSection, kTop, 500);
    ini.WriteInteger(kSection, kLeft, 20);

    const std::vector<std::string> old = linesOf(before);
    const std::vector<std::string> now = linesOf(contents());
    ASSERT_EQ(now.size(), old.size());
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (i == 6) {
            EXPECT_EQ(now[i], "Form1.Top=500\r\n");
        } else if (i == 8) {
            EXPECT_EQ(now[i], "form1.left = 20\r\n");
        } else {
            EXPECT_EQ(now[i], old[i]) << "line " << i;
        }
    }
    EXPECT_EQ(ini.ReadInteger(kSection, kTop, 80), 500);
    EXPECT_EQ(ini.ReadInteger(kSection, kLeft, 80), 20);
}

TEST_F(IniGTSettingsTest, PositionsOffTheScreenAreKeptUnchanged)
{
    IniGT ini(exe());
    load(ini);
    const std::int32_t values[] = {-32000, 0, 2147483647, -2147483647 - 1};
    for (const std::int32_t value : values) {
        ini.WriteInteger(kSection, kTop, value);
        EXPECT_EQ(ini.ReadInteger(kSection, kTop, 80), value);
    }
}

TEST_F(IniGTSettingsTest, AFailedWriteReachesTheCallerAndChangesNothing)
{
    IniGT ini(dir_.filePath(QStringLiteral("missing/kalvio")));
    load(ini);
    const QString path = dir_.filePath(QStringLiteral("missing/Kalvio.ini"));
    ASSERT_EQ(ini.ResolvedPath(), path);
    try {
        ini.WriteInteger(kSection, kTop, 500);
        ADD_FAILURE() << "the write should have failed";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(std::string(error.what()), (path + QStringLiteral(" に書き込めません")).toStdString());
    }
    EXPECT_EQ(ini.ResolvedPath(), path);
    EXPECT_EQ(ini.FileName().toStdString(), "Kalvio.ini");
    EXPECT_EQ(ini.ReadInteger(kSection, kTop, 80), 80);
}

TEST_F(IniGTSettingsTest, TheFolderRuleDecidesWhichFileIsRead)
{
    put("[form]\nform1.top=7\n");
    IniGT ini(exe(), dir_.filePath(QStringLiteral("etc")));
    load(ini);
    EXPECT_EQ(ini.ReadInteger(kSection, kTop, 80), 7);
    ini.setDefaultDir(ddWindows);
    EXPECT_EQ(ini.ReadInteger(kSection, kTop, 80), 80);
    ini.setDefaultDir(ddApplication);
    EXPECT_EQ(ini.ReadInteger(kSection, kTop, 80), 7);
}

} // namespace
} // namespace kalvio
