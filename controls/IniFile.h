// The settings file's reader and writer: whole numbers by section and key in
// a Windows-style INI text file, with the rules of the private-profile
// functions, touching nothing in the file but the one value written.
//
// The file is handled as bytes:
// - Lines end at LF, CRLF or a lone CR; every line keeps its own ending, and a
//   last line without one keeps lacking it.
// - A UTF-8 byte order mark at the start is kept and is not part of the first
//   line's text.  A file starting with a UTF-16 byte order mark reads as
//   defaults and is never written to.
// - Blanks are spaces and tabs; they are ignored around section names, key
//   names and values.
// - "[name]" (after optional blanks) opens a section; the name ends at the
//   first "]" and the rest of the line is ignored.  A line whose first
//   non-blank byte is ";" is a comment.  Any other line holding "=" is a key
//   line: the key is the text before the first "=", the value the text after.
//   Lines before the first section and lines of no kind belong to no key.
// - Names are compared as bytes (QString names are taken as UTF-8), ASCII
//   letters without regard to case.
// - When a section or a key occurs twice, the first one wins, for reading and
//   for writing; later ones are left alone.
// - A new key goes after the last key line of its section (after the header
//   when there is none), a new section at the end of the file; the new line
//   takes the line ending of the line it follows, or the file's first line
//   ending, or LF in a new file.
// - Names that could not be read back (empty, holding a line break, a section
//   with "]", a key with "=" or starting with "[" or ";") read as the default
//   and fail to write.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace kalvio {

class IniFile {
public:
    explicit IniFile(QString path);

    QString path() const { return path_; }

    // The default for a missing file, section or key and for any value that is
    // not an optional minus and decimal digits inside the 32-bit signed range.
    std::int32_t readInteger(const QString &section, const QString &key, std::int32_t defaultValue) const;

    // Rewrites the whole file through a temporary file that replaces it only
    // when complete.  Throws IniWriteError (declared in IniGT.h) with the path.
    void writeInteger(const QString &section, const QString &key, std::int32_t value) const;

    // The same rules on file contents in memory.
    static std::optional<std::int32_t> findInteger(QByteArrayView text, QByteArrayView section,
                                                   QByteArrayView key);
    // nullopt when the names could not be read back or the text is UTF-16.
    static std::optional<QByteArray> withInteger(QByteArrayView text, QByteArrayView section,
                                                 QByteArrayView key, std::int32_t value);

private:
    QString path_;
};

} // namespace kalvio
