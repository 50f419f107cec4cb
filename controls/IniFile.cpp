// The settings file's reader and writer; the rules are listed in IniFile.h.
#include "controls/IniFile.h"

#include "controls/IniGT.h"

#include <QFile>
#include <QSaveFile>

#include <limits>
#include <tuple>
#include <utility>

namespace kalvio {

namespace {

constexpr QByteArrayView kBom("\xEF\xBB\xBF");
constexpr QByteArrayView kUtf16LittleEndianBom("\xFF\xFE");
constexpr QByteArrayView kUtf16BigEndianBom("\xFE\xFF");
constexpr QByteArrayView kNewFileEnding("\n");

// Offsets into the file contents.
struct Line {
    qsizetype begin = 0; // first byte of the text
    qsizetype end = 0;   // one past the text, where the line ending starts
    qsizetype next = 0;  // one past the line ending

    bool hasEnding() const { return next > end; }
};

// The line starting at `from`; its ending is LF, CRLF or a lone CR.
Line lineAt(QByteArrayView text, qsizetype from)
{
    Line line{from, from, from};
    while (line.end < text.size() && text[line.end] != '\n' && text[line.end] != '\r') {
        ++line.end;
    }
    line.next = line.end;
    if (line.next < text.size()) {
        const bool crlf =
            text[line.next] == '\r' && line.next + 1 < text.size() && text[line.next + 1] == '\n';
        line.next += crlf ? 2 : 1;
    }
    return line;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The range [begin, end) of `text` without blanks at either end.
std::pair<qsizetype, qsizetype> trimmedRange(qsizetype begin, qsizetype end, QByteArrayView text)
{
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return {begin, end};
}

QByteArrayView trimmed(QByteArrayView view)
{
    const auto [begin, end] = trimmedRange(0, view.size(), view);
    return view.sliced(begin, end - begin);
}

char foldCase(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) {
            return false;
        }
    }
    return true;
}

enum class LineKind { Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;
    qsizetype valueBegin = 0; // value offsets in the whole text, blanks excluded
    qsizetype valueEnd = 0;
};

ParsedLine parse(QByteArrayView text, const Line &line)
{
    ParsedLine parsed;
    qsizetype first = line.begin;
    while (first < line.end && isBlank(text[first])) {
        ++first;
    }
    if (first == line.end || text[first] == ';') {
        return parsed;
    }
    const QByteArrayView rest = text.sliced(first, line.end - first);
    if (rest[0] == '[') {
        const qsizetype close = rest.indexOf(']');
        if (close > 0) {
            parsed.kind = LineKind::Section;
            parsed.name = trimmed(rest.sliced(1, close - 1));
        }
        return parsed;
    }
    const qsizetype equals = rest.indexOf('=');
    if (equals < 0) {
        return parsed;
    }
    parsed.kind = LineKind::Key;
    parsed.name = trimmed(rest.first(equals));
    std::tie(parsed.valueBegin, parsed.valueEnd) = trimmedRange(first + equals + 1, line.end, text);
    return parsed;
}

// A UTF-16 file holds none of our byte-wise names, and a line of ours added
// to it could never be read back.
bool wideText(QByteArrayView text)
{
    return text.startsWith(kUtf16LittleEndianBom) || text.startsWith(kUtf16BigEndianBom);
}

bool readableSection(QByteArrayView name)
{
    return !name.isEmpty() && !name.contains('\r') && !name.contains('\n') && !name.contains(']');
}

bool readableKey(QByteArrayView name)
{
    return !name.isEmpty() && !name.contains('\r') && !name.contains('\n') && !name.contains('=') &&
           name[0] != '[' && name[0] != ';';
}

// What a read or a write needs to know about the file.
struct Where {
    std::optional<Line> header;  // the first section of that name
    std::optional<Line> keyLine; // the first key of that name in it
    ParsedLine key;
    std::optional<Line> lastKeyLine; // of that section, when the key is missing
    std::optional<Line> lastLine;
    QByteArrayView firstEnding;
};

Where locate(QByteArrayView text, QByteArrayView section, QByteArrayView key)
{
    Where where;
    bool inSection = false;
    const qsizetype start = text.startsWith(kBom) ? kBom.size() : 0;
    for (qsizetype pos = start; pos < text.size();) {
        const Line line = lineAt(text, pos);
        pos = line.next;
        where.lastLine = line;
        if (where.firstEnding.isEmpty() && line.hasEnding()) {
            where.firstEnding = text.sliced(line.end, line.next - line.end);
        }
        const ParsedLine parsed = parse(text, line);
        if (parsed.kind == LineKind::Section) {
            inSection = !where.header && sameName(parsed.name, section);
            if (inSection) {
                where.header = line;
            }
        } else if (parsed.kind == LineKind::Key && inSection) {
            where.lastKeyLine = line;
            if (sameName(parsed.name, key)) {
                where.keyLine = line;
                where.key = parsed;
                return where;
            }
        }
    }
    return where;
}

std::optional<std::int32_t> parseInteger(QByteArrayView digits)
{
    const bool negative = digits.startsWith('-');
    if (negative) {
        digits = digits.sliced(1);
    }
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    // One past the largest magnitude, the negative limit's, stops the loop
    // before the accumulator could overflow.
    constexpr std::int64_t limit = -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

[[noreturn]] void failWrite(const QString &path)
{
    throw IniWriteError((path + QStringLiteral(" に書き込めません")).toStdString());
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path))
{
}

std::optional<std::int32_t> IniFile::findInteger(QByteArrayView text, QByteArrayView section,
                                                 QByteArrayView key)
{
    section = trimmed(section);
    key = trimmed(key);
    if (!readableSection(section) || !readableKey(key) || wideText(text)) {
        return std::nullopt;
    }
    const Where where = locate(text, section, key);
    if (!where.keyLine) {
        return std::nullopt;
    }
    return parseInteger(text.sliced(where.key.valueBegin, where.key.valueEnd - where.key.valueBegin));
}

std::optional<QByteArray> IniFile::withInteger(QByteArrayView text, QByteArrayView section,
                                               QByteArrayView key, std::int32_t value)
{
    section = trimmed(section);
    key = trimmed(key);
    if (!readableSection(section) || !readableKey(key) || wideText(text)) {
        return std::nullopt;
    }
    const QByteArray digits = QByteArray::number(value);
    const Where where = locate(text, section, key);
    QByteArray out;
    out.reserve(text.size() + section.size() + key.size() + digits.size() + 8);

    if (where.keyLine) {
        out.append(text.first(where.key.valueBegin));
        out.append(digits);
        out.append(text.sliced(where.key.valueEnd));
        return out;
    }
    const QByteArrayView fileEnding = where.firstEnding.isEmpty() ? kNewFileEnding : where.firstEnding;
    if (where.header) {
        const Line after = where.lastKeyLine.value_or(*where.header);
        out.append(text.first(after.next));
        // Only the file's last line can lack an ending; it gets one, and the
        // new last line goes without, as the file did.
        const bool atEnd = !after.hasEnding();
        if (atEnd) {
            out.append(fileEnding);
        }
        out.append(key).append('=').append(digits);
        if (!atEnd) {
            // The ending of the line before: a lone CR there is never followed
            // by LF, so the new line cannot merge with the next one.
            out.append(text.sliced(after.end, after.next - after.end));
            out.append(text.sliced(after.next));
        }
        return out;
    }
    out.append(text);
    const bool endsOpen = where.lastLine && !where.lastLine->hasEnding();
    if (endsOpen) {
        out.append(fileEnding);
    }
    out.append('[').append(section).append(']').append(fileEnding);
    out.append(key).append('=').append(digits);
    if (!endsOpen) {
        out.append(fileEnding);
    }
    return out;
}

std::int32_t IniFile::readInteger(const QString &section, const QString &key, std::int32_t defaultValue) const
{
    QFile file(path_);
    if (path_.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return defaultValue;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return defaultValue;
    }
    return findInteger(text, section.toUtf8(), key.toUtf8()).value_or(defaultValue);
}

void IniFile::writeInteger(const QString &section, const QString &key, std::int32_t value) const
{
    if (path_.isEmpty()) {
        failWrite(path_);
    }
    QByteArray old;
    {
        QFile file(path_);
        if (file.open(QIODevice::ReadOnly)) {
            old = file.readAll();
            if (file.error() != QFileDevice::NoError) {
                failWrite(path_);
            }
        } else if (file.exists()) {
            // Never replace a file whose contents could not be kept.
            failWrite(path_);
        }
    }
    const std::optional<QByteArray> updated = withInteger(old, section.toUtf8(), key.toUtf8(), value);
    if (!updated) {
        failWrite(path_);
    }
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly) || out.write(*updated) != updated->size() || !out.commit()) {
        failWrite(path_);
    }
}

} // namespace kalvio
