// Reading and writing whole numbers in real INI files: what reads as a number,
// how names match, and that a write changes nothing but its own line.
#include "controls/IniFile.h"
#include "controls/IniGT.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace kalvio {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Kalvio.ini")); }

    void put(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

// Literal bytes, NULs included.
template <std::size_t N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

std::string shown(const QByteArray &bytes)
{
    std::string out;
    for (const char c : bytes) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

TEST_F(IniFileTest, FirstStartReadsDefaultsAndTheFirstWriteCreatesTheFile)
{
    ASSERT_FALSE(QFile::exists(path()));
    const IniFile ini(path());
    EXPECT_EQ(ini.readInteger(QStringLiteral("form"), QStringLiteral("form1.top"), 80), 80);
    EXPECT_EQ(ini.readInteger(QStringLiteral("form"), QStringLiteral("form1.left"), -3), -3);
    EXPECT_FALSE(QFile::exists(path())) << "reading must not create the file";

    ini.writeInteger(QStringLiteral("form"), QStringLiteral("form1.top"), 500);
    ini.writeInteger(QStringLiteral("form"), QStringLiteral("form1.left"), 20);
    EXPECT_EQ(shown(contents()), "[form]\\nform1.top=500\\nform1.left=20\\n");
    EXPECT_EQ(ini.readInteger(QStringLiteral("form"), QStringLiteral("form1.top"), 80), 500);
    EXPECT_EQ(ini.readInteger(QStringLiteral("form"), QStringLiteral("form1.left"), 80), 20);
}

// ---------------------------------------------------------------------------
// Reading

struct ReadCase {
    const char *name;
    QByteArray file;
    QString section;
    QString key;
    std::int32_t expected; // kDefault: the default comes back
};

constexpr std::int32_t kDefault = -424242;

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name << ": \"" << shown(c.file) << "\"";
}

ReadCase value(const char *name, const char *text, std::int32_t expected)
{
    return {name, QByteArray("[form]\nform1.top=") + text + "\n", QStringLiteral("form"),
            QStringLiteral("form1.top"), expected};
}

ReadCase lookup(const char *name, const QByteArray &file, const char *section, const char *key,
                std::int32_t expected)
{
    return {name, file, QString::fromUtf8(section), QString::fromUtf8(key), expected};
}

class IniReadTest : public IniFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniReadTest, ReadsTheNumberOrTheDefault)
{
    put(GetParam().file);
    EXPECT_EQ(IniFile(path()).readInteger(GetParam().section, GetParam().key, kDefault), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniReadTest,
    ::testing::Values(value("plain", "500", 500), value("negative", "-20", -20), value("zero", "0", 0),
                      value("blanksAround", " 7 ", 7), value("tabsAround", "\t-7\t", -7),
                      value("leadingZeros", "007", 7), value("minusZero", "-0", 0),
                      value("manyLeadingZeros", "000000000000000000000042", 42),
                      value("largest", "2147483647", 2147483647),
                      value("smallest", "-2147483648", std::numeric_limits<std::int32_t>::min()),
                      value("letters", "abc", kDefault), value("empty", "", kDefault),
                      value("onlyBlanks", "   ", kDefault), value("trailingLetters", "12abc", kDefault),
                      value("tooLarge", "99999999999", kDefault), value("justAbove", "2147483648", kDefault),
                      value("justBelow", "-2147483649", kDefault), value("plusSign", "+7", kDefault),
                      value("onlyMinus", "-", kDefault), value("twoMinus", "--7", kDefault),
                      value("hex", "0x10", kDefault), value("fraction", "1.5", kDefault),
                      value("separator", "1,000", kDefault), value("innerBlank", "7 8", kDefault),
                      value("quoted", "\"7\"", kDefault), value("fullWidthDigits", "１２", kDefault),
                      value("trailingComment", "7 ; top", kDefault)),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Names, IniReadTest,
    ::testing::Values(
        lookup("caseOfFile", "[FORM]\nForm1.Top=5\n", "form", "form1.top", 5),
        lookup("caseOfCaller", "[form]\nform1.top=5\n", "Form", "FORM1.TOP", 5),
        lookup("blanksAroundNames", "  [ form ]  \n\t form1.top \t= 5\n", "form", "form1.top", 5),
        lookup("callerBlanks", "[form]\nform1.top=5\n", " form ", " form1.top\t", 5),
        lookup("utf8Names", "[設定]\n位置=3\n", "設定", "位置", 3),
        lookup("onlyAsciiFolds", "[Ä]\nk=3\n", "ä", "k", kDefault),
        lookup("textAfterHeader", "[form] ; window\nform1.top=5\n", "form", "form1.top", 5),
        lookup("missingSection", "[other]\nform1.top=5\n", "form", "form1.top", kDefault),
        lookup("keyOfAnotherSection", "[form]\nx=1\n[other]\nform1.top=5\n", "form", "form1.top", kDefault),
        lookup("keyBeforeAnySection", "form1.top=5\n[form]\n", "form", "form1.top", kDefault),
        lookup("commentedOut", "[form]\n;form1.top=5\n", "form", "form1.top", kDefault),
        lookup("unclosedHeader", "[form\nform1.top=5\n", "form", "form1.top", kDefault),
        lookup("emptyHeader", "[]\nform1.top=5\n", "", "form1.top", kDefault),
        lookup("lineWithoutEquals", "[form]\nform1.top\nform1.top=5\n", "form", "form1.top", 5),
        lookup("firstKeyWins", "[form]\nk=1\nk=2\n", "form", "k", 1),
        lookup("firstSectionWins", "[form]\nx=1\n[FORM]\nk=3\n", "form", "k", kDefault),
        lookup("crOnly", "[a]\rk=1\r[form]\rk=5\r", "form", "k", 5),
        lookup("crlf", "[a]\r\nk=1\r\n[form]\r\nk=5\r\n", "form", "k", 5),
        lookup("noFinalNewline", "[form]\nk=5", "form", "k", 5),
        lookup("byteOrderMark", "\xEF\xBB\xBF[form]\nk=5\n", "form", "k", 5),
        lookup("nulBytes", bytes("[x]\n\0\0=1\n[form]\nk=5\n"), "form", "k", 5),
        lookup("emptyFile", "", "form", "k", kDefault),
        lookup("emptyKey", "[form]\n=5\n", "form", "", kDefault),
        lookup("keyHoldingEquals", "[form]\na=b=5\n", "form", "a=b", kDefault)),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniFileTest, UnreadableTargetsReadAsTheDefault)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Kalvio.ini")));
    EXPECT_EQ(IniFile(path()).readInteger(QStringLiteral("form"), QStringLiteral("k"), 80), 80);
    EXPECT_EQ(IniFile(QString()).readInteger(QStringLiteral("form"), QStringLiteral("k"), 80), 80);
    EXPECT_EQ(IniFile(dir_.filePath(QStringLiteral("no/such/folder.ini")))
                  .readInteger(QStringLiteral("form"), QStringLiteral("k"), 80),
              80);
}

// ---------------------------------------------------------------------------
// Writing

struct WriteCase {
    const char *name;
    QByteArray before;
    const char *section;
    const char *key;
    std::int32_t value;
    QByteArray after;
};

void PrintTo(const WriteCase &c, std::ostream *os)
{
    *os << c.name << ": \"" << shown(c.before) << "\"";
}

class IniWriteTest : public IniFileTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyTheKeysLine)
{
    const WriteCase &c = GetParam();
    put(c.before);
    const IniFile ini(path());
    ini.writeInteger(QString::fromUtf8(c.section), QString::fromUtf8(c.key), c.value);
    EXPECT_EQ(shown(contents()), shown(c.after));
    EXPECT_EQ(ini.readInteger(QString::fromUtf8(c.section), QString::fromUtf8(c.key), kDefault), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, IniWriteTest,
    ::testing::Values(
        WriteCase{"newFile", "", "form", "form1.top", 500, "[form]\nform1.top=500\n"},
        WriteCase{"callersSpelling", "", " Form ", "Form1.Top", 5, "[Form]\nForm1.Top=5\n"},
        WriteCase{"replace", "[form]\nform1.top=80\n", "form", "form1.top", 500, "[form]\nform1.top=500\n"},
        WriteCase{"replaceKeepsBlanksAndCase", "[Form]\r\n  Form1.Top =  80 \r\n", "form", "form1.top", 500,
                  "[Form]\r\n  Form1.Top =  500 \r\n"},
        WriteCase{"replaceEmptyValue", "[form]\nform1.top=\nx=1\n", "form", "form1.top", 5,
                  "[form]\nform1.top=5\nx=1\n"},
        WriteCase{"replaceGarbage", "[form]\nform1.top=12abc\n", "form", "form1.top", -5,
                  "[form]\nform1.top=-5\n"},
        WriteCase{"smallest", "", "s", "k", std::numeric_limits<std::int32_t>::min(), "[s]\nk=-2147483648\n"},
        WriteCase{"zero", "[s]\nk=000\n", "s", "k", 0, "[s]\nk=0\n"},
        WriteCase{"addAfterLastKeyBeforeBlanksAndComments", "[form]\na=1\n\n; next\n[x]\n", "form", "k", 5,
                  "[form]\na=1\nk=5\n\n; next\n[x]\n"},
        WriteCase{"addToSectionWithoutKeys", "[form]\n\n[x]\ny=1\n", "form", "k", 5,
                  "[form]\nk=5\n\n[x]\ny=1\n"},
        WriteCase{"addSectionAtEnd", "; top\r\n[x]\r\ny=1\r\n", "form", "k", 5,
                  "; top\r\n[x]\r\ny=1\r\n[form]\r\nk=5\r\n"},
        WriteCase{"addSectionNoFinalNewline", "[x]\ny=1", "form", "k", 5, "[x]\ny=1\n[form]\nk=5"},
        WriteCase{"addKeyNoFinalNewline", "[form]\na=1", "form", "k", 5, "[form]\na=1\nk=5"},
        WriteCase{"addKeyAfterHeaderWithoutNewline", "[form]", "form", "k", 5, "[form]\nk=5"},
        WriteCase{"replaceNoFinalNewline", "[form]\r\nk=1", "form", "k", 5, "[form]\r\nk=5"},
        WriteCase{"crOnly", "[form]\ra=1\r", "form", "k", 5, "[form]\ra=1\rk=5\r"},
        // The new line takes the ending of the line before it; a lone CR would
        // have joined the blank line's LF into one CRLF line ending.
        WriteCase{"mixedEndings", "[form]\ra=1\n\n", "form", "k", 5, "[form]\ra=1\nk=5\n\n"},
        WriteCase{"firstOfTwoKeys", "[form]\nk=1\nk=2\n", "form", "k", 5, "[form]\nk=5\nk=2\n"},
        WriteCase{"firstOfTwoSections", "[form]\na=1\n[FORM]\nk=2\n", "form", "k", 5,
                  "[form]\na=1\nk=5\n[FORM]\nk=2\n"},
        WriteCase{"keyBeforeAnySection", "k=1\n", "form", "k", 5, "k=1\n[form]\nk=5\n"},
        WriteCase{"byteOrderMarkOnly", "\xEF\xBB\xBF", "form", "k", 5, "\xEF\xBB\xBF[form]\nk=5\n"},
        WriteCase{"byteOrderMarkKept", "\xEF\xBB\xBF[form]\r\nk=1\r\n", "form", "k", 5,
                  "\xEF\xBB\xBF[form]\r\nk=5\r\n"},
        WriteCase{"utf8Names", "[設定]\n", "設定", "位置", 3, "[設定]\n位置=3\n"},
        WriteCase{"binaryElsewhere", bytes("\xFF\x00\x01\n[form]\nk=1\n"), "form", "k", 5,
                  bytes("\xFF\x00\x01\n[form]\nk=5\n")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(IniFileTest, CommentsAndUnknownSectionsStayByteForByte)
{
    const QByteArray before = "; Kalvio\r\n"
                              "[unknown]\r\n"
                              "  anything goes = here ; really\r\n"
                              "\r\n"
                              "[form]\r\n"
                              "; where the window was\r\n"
                              "form1.top=80\r\n"
                              "[more]\n"
                              "x\ty\n"
                              "\xE8\xA8\xAD=\xFF\xFE";
    put(before);
    IniFile(path()).writeInteger(QStringLiteral("FORM"), QStringLiteral("FORM1.TOP"), 500);
    QByteArray expected = before;
    expected.replace("form1.top=80", "form1.top=500");
    EXPECT_EQ(shown(contents()), shown(expected));
}

TEST_F(IniFileTest, NamesThatCouldNotBeReadBackAreRefusedAndTheFileKept)
{
    const QByteArray before = "[form]\nk=1\n";
    put(before);
    const IniFile ini(path());
    const struct {
        const char *section;
        const char *key;
    } refused[] = {{"", "k"},       {"  ", "k"},    {"a]b", "k"},   {"a\nb", "k"},    {"form", ""},
                   {"form", "a=b"}, {"form", "[k"}, {"form", ";k"}, {"form", "a\rb"}, {"form", "a\nb"}};
    for (const auto &r : refused) {
        SCOPED_TRACE(std::string(r.section) + " / " + r.key);
        EXPECT_THROW(ini.writeInteger(QString::fromUtf8(r.section), QString::fromUtf8(r.key), 5),
                     IniWriteError);
        EXPECT_EQ(ini.readInteger(QString::fromUtf8(r.section), QString::fromUtf8(r.key), kDefault),
                  kDefault);
    }
    EXPECT_EQ(contents(), before);
}

TEST_F(IniFileTest, WritesThroughALinkToTheFileItNames)
{
    const QString real = dir_.filePath(QStringLiteral("real.ini"));
    ASSERT_TRUE(QFile::link(real, path()));
    {
        QFile file(real);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[form]\nk=1\n");
    }
    IniFile(path()).writeInteger(QStringLiteral("form"), QStringLiteral("k"), 5);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(shown(contents()), "[form]\\nk=5\\n");
}

TEST_F(IniFileTest, Utf16FilesAreNeitherReadNorWritten)
{
    // "[form]\r\nk=5\r\n" in UTF-16, little and big endian.
    for (const QByteArray &before : {bytes("\xFF\xFE[\0f\0o\0r\0m\0]\0\r\0\n\0k\0=\0005\0\r\0\n\0"),
                                     bytes("\xFE\xFF\0[\0f\0o\0r\0m\0]\0\r\0\n\0k\0=\0005\0\r\0\n")}) {
        put(before);
        const IniFile ini(path());
        EXPECT_EQ(ini.readInteger(QStringLiteral("form"), QStringLiteral("k"), kDefault), kDefault);
        EXPECT_THROW(ini.writeInteger(QStringLiteral("form"), QStringLiteral("k"), 6), IniWriteError);
        EXPECT_EQ(contents(), before);
    }
}

TEST_F(IniFileTest, ReplacesTheFileKeepingItsPermissions)
{
    put("[form]\nk=1\n");
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path(), mode));
    IniFile(path()).writeInteger(QStringLiteral("form"), QStringLiteral("k"), 2);
    // The user bits follow the running user; owner, group and others are the file's.
    const QFile::Permissions fileBits(0x7077);
    EXPECT_EQ(QFile::permissions(path()) & fileBits, mode);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Kalvio.ini")})
        << "no temporary file is left behind";
}

} // namespace
} // namespace kalvio
