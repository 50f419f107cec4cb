// Fuzz target: arbitrary bytes as the settings file.  Reads must never crash
// and give either the default or a number the file spells out; a write must
// read back and leave every other line of the file as it was.
#include "controls/IniFile.h"
#include "controls/IniGT.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using kalvio::IniFile;

constexpr std::int32_t kDefault = -987654321;

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_inifile: %s\n", what);
        std::abort();
    }
}

// A folder on a memory file system where there is one keeps the many small
// writes cheap; the rules do not depend on where the file is.
QString scratchFile()
{
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/kalvio-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/kalvio-fuzz-XXXXXX"));
    check(dir.isValid(), "no temporary folder");
    return dir.filePath(QStringLiteral("Kalvio.ini"));
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "the file cannot be read back");
    return file.readAll();
}

// True when the file spells `value` as an optional minus, zeros and its digits.
bool spelledOut(const QByteArray &text, std::int32_t value)
{
    const QByteArray digits =
        QByteArray::number(static_cast<qint64>(value < 0 ? -static_cast<qint64>(value) : value));
    for (qsizetype at = text.indexOf(digits); at >= 0; at = text.indexOf(digits, at + 1)) {
        if (value >= 0) {
            return true;
        }
        qsizetype before = at;
        while (before > 0 && text[before - 1] == '0') {
            --before;
        }
        if (before > 0 && text[before - 1] == '-') {
            return true;
        }
    }
    return false;
}

// Lines with their endings, split on LF, CRLF and lone CR, written here
// afresh so that the check does not share the reader's code.
struct Lines {
    QByteArray bom;
    std::vector<QByteArray> text;
    std::vector<QByteArray> ending;
};

Lines split(const QByteArray &data)
{
    Lines lines;
    qsizetype pos = 0;
    if (data.startsWith("\xEF\xBB\xBF")) {
        lines.bom = data.first(3);
        pos = 3;
    }
    while (pos < data.size()) {
        qsizetype end = pos;
        while (end < data.size() && data[end] != '\n' && data[end] != '\r') {
            ++end;
        }
        qsizetype next = end;
        if (next < data.size()) {
            next += (data[next] == '\r' && next + 1 < data.size() && data[next + 1] == '\n') ? 2 : 1;
        }
        lines.text.push_back(data.sliced(pos, end - pos));
        lines.ending.push_back(data.sliced(end, next - end));
        pos = next;
    }
    return lines;
}

bool sameLine(const Lines &a, std::size_t i, const Lines &b, std::size_t j)
{
    return a.text[i] == b.text[j] && a.ending[i] == b.ending[j];
}

// Old line i kept in the new file at j; a last line without an ending may
// have got one.
bool kept(const Lines &before, std::size_t i, const Lines &after, std::size_t j)
{
    if (sameLine(before, i, after, j)) {
        return true;
    }
    return i + 1 == before.text.size() && before.ending[i].isEmpty() && before.text[i] == after.text[j];
}

// The write either changed one key line's value, inserted one key line, or
// appended a section with its key line; everything else is as it was.
void checkOnlyTheKeyChanged(const Lines &before, const Lines &after, const QByteArray &section,
                            const QByteArray &key, const QByteArray &digits)
{
    check(after.bom == before.bom, "the byte order mark changed");
    const std::size_t n = before.text.size();
    const QByteArray keyLine = key + '=' + digits;
    if (after.text.size() == n) {
        std::size_t changed = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (sameLine(before, i, after, i)) {
                continue;
            }
            ++changed;
            const qsizetype equals = before.text[i].indexOf('=');
            check(equals >= 0 && after.ending[i] == before.ending[i] && after.text[i].size() > equals &&
                      after.text[i].first(equals + 1) == before.text[i].first(equals + 1),
                  "a replaced line lost its key or its ending");
        }
        check(changed <= 1, "more than one line changed");
    } else if (after.text.size() == n + 1) {
        std::size_t j = 0;
        while (j < n && sameLine(before, j, after, j)) {
            ++j;
        }
        if (j + 1 == n && kept(before, j, after, j)) {
            ++j; // the old last line got an ending
        }
        check(after.text[j] == keyLine, "the inserted line is not the key");
        for (std::size_t i = j; i < n; ++i) {
            check(kept(before, i, after, i + 1), "a line after the new key changed");
        }
    } else {
        check(after.text.size() == n + 2, "lines were lost or added");
        for (std::size_t i = 0; i < n; ++i) {
            check(kept(before, i, after, i), "a line before the new section changed");
        }
        check(after.text[n] == '[' + section + ']' && after.text[n + 1] == keyLine,
              "the new section is not at the end");
    }
}

// A section and key as the caller names them, and the bytes they stand for.
struct Probe {
    Probe(const QString &s, const QString &k) : name{s}, keyName{k}, section{s.toUtf8()}, key{k.toUtf8()} {}

    QString name;
    QString keyName;
    QByteArray section;
    QByteArray key;
};

// Names as the reader sees them: spaces and tabs around them do not count.
QByteArray blankTrimmed(QByteArray name)
{
    while (!name.isEmpty() && (name.front() == ' ' || name.front() == '\t')) {
        name.remove(0, 1);
    }
    while (!name.isEmpty() && (name.back() == ' ' || name.back() == '\t')) {
        name.chop(1);
    }
    return name;
}

bool sameProbe(const Probe &a, const Probe &b)
{
    return blankTrimmed(a.section).toLower() == blankTrimmed(b.section).toLower() &&
           blankTrimmed(a.key).toLower() == blankTrimmed(b.key).toLower();
}

// Fixed names, plus names lifted roughly from the input so that reads find
// something often.
std::vector<Probe> probes(const QByteArray &data)
{
    std::vector<Probe> list{{QStringLiteral("form"), QStringLiteral("form1.top")},
                            {QStringLiteral("a"), QStringLiteral("b")},
                            {QStringLiteral("abc"), QStringLiteral("x")},
                            {QStringLiteral("X"), QStringLiteral("Y")}};
    const qsizetype open = data.indexOf('[');
    const qsizetype close = data.indexOf(']', open + 1);
    const qsizetype equals = data.indexOf('=', close + 1);
    if (open >= 0 && close > open && equals > close) {
        const QByteArray section = data.sliced(open + 1, close - open - 1);
        qsizetype keyStart = equals;
        while (keyStart > close + 1 && data[keyStart - 1] != '\n' && data[keyStart - 1] != '\r') {
            --keyStart;
        }
        const QByteArray key = data.sliced(keyStart, equals - keyStart);
        if (!section.contains('\n') && !section.contains('\r')) {
            list.emplace_back(QString::fromUtf8(section), QString::fromUtf8(key));
        }
    }
    return list;
}

// Whether the write is to be refused: names that could not be read back, or
// a UTF-16 file.
bool refusable(const QByteArray &file, QByteArray section, QByteArray key)
{
    section = blankTrimmed(section);
    key = blankTrimmed(key);
    return file.startsWith("\xFF\xFE") || file.startsWith("\xFE\xFF") || section.isEmpty() || key.isEmpty() ||
           section.contains(']') || key.contains('=') || key.startsWith('[') || key.startsWith(';') ||
           section.contains('\n') || section.contains('\r') || key.contains('\n') || key.contains('\r');
}

// Half of the inputs are taken as they come; the other half spell a file from
// INI-like pieces, one per byte, so that sections, keys and numbers that match
// the probes turn up often even without a coverage-guided fuzzer.
QByteArray fileFrom(const std::uint8_t *data, std::size_t size)
{
    if (size == 0 || (data[0] & 1) == 0) {
        return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    }
    static const std::vector<QByteArray> pieces = [] {
        std::vector<QByteArray> list{
            "[form]\n", "[FORM]\r\n", "[a]\r",   " [ abc ] \n", "form1.top=", "Form1.Top = ",
            "b=",       "Y=",         "x\t=",    "7\n",         "-12\r\n",    "2147483648\n",
            "007\r",    "abc\n",      ";c\n",    "\n",          "\r\n",       "\r",
            "=",        "[",          "]",       "\t",          " ",          "\xEF\xBB\xBF",
            "-",        "0",          "\xFF\xFE"};
        list.push_back(QByteArray(5000, 'k'));               // a huge line
        list.push_back(QByteArray(300, '0').append("42\n")); // a long number that fits
        return list;
    }();
    QByteArray text;
    for (std::size_t i = 1; i < size; ++i) {
        const std::size_t piece = data[i] % 32;
        if (piece < pieces.size()) {
            text.append(pieces[piece]);
        } else {
            text.append(static_cast<char>(data[i]));
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = scratchFile();
    const QByteArray input = fileFrom(data, size);
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input file");
        check(file.write(input) == input.size(), "short write of the input file");
    }
    const IniFile ini(path);
    const std::vector<Probe> names = probes(input);
    std::vector<std::int32_t> read;
    for (const Probe &p : names) {
        const std::int32_t value = ini.readInteger(p.name, p.keyName, kDefault);
        check(value == kDefault || spelledOut(input, value),
              "a read returned a number the file does not hold");
        check(IniFile::findInteger(input, p.section, p.key).value_or(kDefault) == value,
              "file and memory reads differ");
        read.push_back(value);
    }

    // Write to one of the probes, chosen by the input.
    const std::size_t target = size % names.size();
    const Probe &w = names[target];
    const QString &section = w.name;
    const QString &key = w.keyName;
    const std::int32_t value =
        size % 3 == 0 ? -static_cast<std::int32_t>(size) : static_cast<std::int32_t>(size * 7919);
    try {
        ini.writeInteger(section, key, value);
    } catch (const kalvio::IniWriteError &) {
        check(refusable(input, w.section, w.key), "a write of readable names failed");
        check(fileContents(path) == input, "a refused write changed the file");
        return 0;
    }
    check(!refusable(input, w.section, w.key), "names that cannot be read back were written");
    check(ini.readInteger(section, key, kDefault) == value, "the written value does not read back");
    const QByteArray now = fileContents(path);
    checkOnlyTheKeyChanged(split(input), split(now), blankTrimmed(w.section), blankTrimmed(w.key),
                           QByteArray::number(value));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (sameProbe(names[i], w)) {
            continue;
        }
        const std::int32_t again = ini.readInteger(names[i].name, names[i].keyName, kDefault);
        check(again == read[i], "a write changed another key's value");
    }
    return 0;
}
