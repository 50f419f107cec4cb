// Naming and placing the settings file: the default name derived from the
// executable, the folder rules, and when the path is resolved again.
#include "controls/IniGT.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kalvio {
namespace {

const QString kExe = QStringLiteral("/opt/kalvio.d/bin/kalvio");

struct NameCase {
    const char *executable;
    const char *expected;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << c.executable;
}

class IniGTDefaultNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(IniGTDefaultNameTest, IsTheExecutablesNameWithIni)
{
    EXPECT_EQ(IniGT::defaultFileName(QString::fromUtf8(GetParam().executable)).toStdString(),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, IniGTDefaultNameTest,
    ::testing::Values(NameCase{"C:\\Tools\\KALVIO.EXE", "Kalvio.ini"}, NameCase{"kalvio.exe", "Kalvio.ini"},
                      NameCase{"my.calc.exe", "My.calc.ini"}, NameCase{"1calc.exe", "1calc.ini"},
                      NameCase{"kalvio", "Kalvio.ini"},
                      // The dot of a folder is not the name's extension.
                      NameCase{"/opt/kalvio.d/bin/kalvio", "Kalvio.ini"},
                      NameCase{"C:kalvio.exe", "Kalvio.ini"}, NameCase{"KALVIO.", "Kalvio.ini"},
                      NameCase{"/usr/bin/.rc", ".ini"}, NameCase{"/usr/bin/_Calc.exe", "_calc.ini"},
                      // Only ASCII letters change case.
                      NameCase{"/usr/bin/ÄBC.exe", "Äbc.ini"}, NameCase{"/usr/bin/äBC.exe", "äbc.ini"},
                      NameCase{"/usr/bin/計算MODE", "計算mode.ini"}, NameCase{"", ".ini"}));

struct PathCase {
    TIniGTDefaultDir dir;
    const char *name;
    const char *expected;
};

void PrintTo(const PathCase &c, std::ostream *os)
{
    *os << static_cast<int>(c.dir) << " " << c.name;
}

class IniGTPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(IniGTPathTest, ResolvesTheName)
{
    IniGT ini(kExe, QStringLiteral("/etc"));
    ini.setDefaultDir(GetParam().dir);
    ini.setFileName(QString::fromUtf8(GetParam().name));
    EXPECT_EQ(ini.ResolvedPath().toStdString(), GetParam().expected);
    EXPECT_EQ(ini.FileName().toStdString(), GetParam().name) << "the name is kept as assigned";
}

INSTANTIATE_TEST_SUITE_P(Rules, IniGTPathTest,
                         ::testing::Values(PathCase{ddApplication, "x.ini", "/opt/kalvio.d/bin/x.ini"},
                                           PathCase{ddWindows, "x.ini", "/etc/x.ini"},
                                           PathCase{ddNone, "x.ini", "x.ini"},
                                           PathCase{ddApplication, "", "/opt/kalvio.d/bin/"},
                                           PathCase{ddWindows, "", "/etc/"},
                                           // A name with a folder part is used unchanged whatever the rule.
                                           PathCase{ddApplication, "D:\\Data\\x.ini", "D:\\Data\\x.ini"},
                                           PathCase{ddWindows, "C:x.ini", "C:x.ini"},
                                           PathCase{ddApplication, "/var/x.ini", "/var/x.ini"},
                                           PathCase{ddWindows, "sub/x.ini", "sub/x.ini"},
                                           PathCase{ddNone, "a\\x.ini", "a\\x.ini"}));

TEST(IniGTTest, ExecutableWithBackslashes)
{
    IniGT ini(QStringLiteral("C:\\Tools\\KALVIO.EXE"));
    ini.loaded();
    EXPECT_EQ(ini.ResolvedPath().toStdString(), "C:\\Tools\\Kalvio.ini");
}

TEST(IniGTTest, ConstructionAndLoadingAsTheMainWindowDoes)
{
    IniGT ini(kExe, QStringLiteral("/nonexistent-config"));
    EXPECT_EQ(ini.DefaultDir(), ddApplication);
    EXPECT_EQ(ini.Fence(), fnNone);
    EXPECT_TRUE(ini.FenceUnassigned());
    EXPECT_TRUE(ini.FileName().isEmpty());
    EXPECT_TRUE(ini.ResolvedPath().isEmpty());

    // The window's stored properties, in the order they are listed.
    ini.setDefaultDir(ddApplication);
    ini.setFence(fnNone);
    EXPECT_FALSE(ini.FenceUnassigned()) << "assigning the same fence still counts";
    EXPECT_EQ(ini.ResolvedPath().toStdString(), "/opt/kalvio.d/bin/");

    ini.loaded();
    EXPECT_EQ(ini.FileName().toStdString(), "Kalvio.ini");
    EXPECT_EQ(ini.ResolvedPath().toStdString(), "/opt/kalvio.d/bin/Kalvio.ini");
    EXPECT_EQ(ini.Fence(), fnNone);
}

TEST(IniGTTest, ChangingTheFolderRuleResolvesTheSameNameAgain)
{
    IniGT ini(kExe, QStringLiteral("/etc"));
    ini.setFileName(QStringLiteral("x.ini"));
    ini.setDefaultDir(ddWindows);
    EXPECT_EQ(ini.ResolvedPath().toStdString(), "/etc/x.ini");
    ini.setDefaultDir(ddNone);
    EXPECT_EQ(ini.ResolvedPath().toStdString(), "x.ini");
    ini.setDefaultDir(ddApplication);
    EXPECT_EQ(ini.ResolvedPath().toStdString(), "/opt/kalvio.d/bin/x.ini");
    EXPECT_EQ(ini.FileName().toStdString(), "x.ini");
}

TEST(IniGTTest, AnAssignedNameStaysAfterLoading)
{
    IniGT ini(kExe);
    ini.setFileName(QStringLiteral("own.ini"));
    ini.loaded();
    EXPECT_EQ(ini.FileName().toStdString(), "own.ini");
    EXPECT_EQ(ini.ResolvedPath().toStdString(), "/opt/kalvio.d/bin/own.ini");
}

TEST(IniGTTest, FenceIsStoredOnly)
{
    IniGT ini(kExe);
    ini.loaded();
    for (const TIniGTFence fence : {fnVer11Mode, fnDoubleQuote, fnParenthesis, fnNone}) {
        ini.setFence(fence);
        EXPECT_EQ(ini.Fence(), fence);
        EXPECT_EQ(ini.ResolvedPath().toStdString(), "/opt/kalvio.d/bin/Kalvio.ini");
    }
}

} // namespace
} // namespace kalvio
