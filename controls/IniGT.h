// The settings file component: names the program's INI file after the
// executable and reads and writes whole numbers in it by section and key.
//
// AGREED PUBLIC SURFACE (used by the main window); the owner of this class
// may add to it but keeps these signatures.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <stdexcept>

namespace kalvio {

class IniFile;

enum TIniGTDefaultDir : unsigned char { ddApplication = 0, ddWindows = 1, ddNone = 2 };
enum TIniGTFence : unsigned char { fnDoubleQuote = 0, fnParenthesis = 1, fnVer11Mode = 2, fnNone = 3 };

// A failed write: what() is "<resolved path> に書き込めません" (UTF-8).
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniGT {
public:
    // executablePath: the program's full path (QCoreApplication::applicationFilePath()
    // in the program; tests pass their own).  systemConfigDir: the folder that
    // stands in for the Windows directory ("/etc").
    explicit IniGT(QString executablePath, QString systemConfigDir = QStringLiteral("/etc"));
    ~IniGT();
    IniGT(const IniGT &) = delete;
    IniGT &operator=(const IniGT &) = delete;

    TIniGTDefaultDir DefaultDir() const;
    void setDefaultDir(TIniGTDefaultDir dir);
    QString FileName() const;
    void setFileName(const QString &name);
    TIniGTFence Fence() const;
    void setFence(TIniGTFence fence);
    // True until Fence is first assigned.
    bool FenceUnassigned() const;

    void loaded();
    QString ResolvedPath() const;

    std::int32_t ReadInteger(const QString &section, const QString &key, std::int32_t defaultValue) const;
    void WriteInteger(const QString &section, const QString &key, std::int32_t value); // throws IniWriteError

    // The settings file's name for an executable: its extension replaced by
    // ".ini", ASCII letters lower-cased, the first one upper-cased.
    static QString defaultFileName(const QString &executablePath);

private:
    QString executablePath_;
    QString systemConfigDir_;
    bool fenceUnassigned_ = true;
    std::unique_ptr<IniFile> ini_;
    TIniGTDefaultDir defaultDir_ = ddApplication;
    QString fileName_;
    TIniGTFence fence_ = fnNone;
};

} // namespace kalvio
