// The settings file component: where the file is, what it is called, and the
// hand-over of every read and write to a fresh INI file object.
#include "controls/IniGT.h"

#include "controls/IniFile.h"

#include <utility>

namespace kalvio {

namespace {

// Length of the folder part: up to and including the last "\", ":" or "/".
qsizetype folderPartLength(const QString &path)
{
    for (qsizetype i = path.size(); i > 0; --i) {
        const QChar c = path[i - 1];
        if (c == u'\\' || c == u':' || c == u'/') {
            return i;
        }
    }
    return 0;
}

} // namespace

IniGT::IniGT(QString executablePath, QString systemConfigDir)
    : executablePath_(std::move(executablePath)), systemConfigDir_(std::move(systemConfigDir)),
      ini_(std::make_unique<IniFile>(QString()))
{
}

IniGT::~IniGT() = default;

TIniGTDefaultDir IniGT::DefaultDir() const
{
    return defaultDir_;
}

void IniGT::setDefaultDir(TIniGTDefaultDir dir)
{
    defaultDir_ = dir;
    // Resolve the same name again under the new rule, also when unchanged.
    setFileName(fileName_);
}

QString IniGT::FileName() const
{
    return fileName_;
}

void IniGT::setFileName(const QString &name)
{
    fileName_ = name;
    ini_.reset();
    QString resolved;
    if (folderPartLength(name) > 0) {
        resolved = name;
    } else {
        switch (defaultDir_) {
        case ddApplication:
            resolved = executablePath_.first(folderPartLength(executablePath_)) + name;
            break;
        case ddWindows:
            resolved = systemConfigDir_ + u'/' + name;
            break;
        case ddNone:
        default:
            resolved = name;
            break;
        }
    }
    ini_ = std::make_unique<IniFile>(resolved);
}

TIniGTFence IniGT::Fence() const
{
    return fence_;
}

void IniGT::setFence(TIniGTFence fence)
{
    // The warning about leaving fnVer11Mode belongs to a form designer, which
    // this program never runs in.
    fence_ = fence;
    fenceUnassigned_ = false;
}

bool IniGT::FenceUnassigned() const
{
    return fenceUnassigned_;
}

void IniGT::loaded()
{
    if (fileName_.isEmpty()) {
        setFileName(defaultFileName(executablePath_));
    }
}

QString IniGT::ResolvedPath() const
{
    return ini_->path();
}

std::int32_t IniGT::ReadInteger(const QString &section, const QString &key, std::int32_t defaultValue) const
{
    return ini_->readInteger(section, key, defaultValue);
}

void IniGT::WriteInteger(const QString &section, const QString &key, std::int32_t value)
{
    ini_->writeInteger(section, key, value);
}

QString IniGT::defaultFileName(const QString &executablePath)
{
    QString name = executablePath.sliced(folderPartLength(executablePath));
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) {
        name.truncate(dot);
    }
    name += QStringLiteral(".INI");
    for (QChar &c : name) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() - u'A' + u'a');
        }
    }
    if (!name.isEmpty() && name[0] >= u'a' && name[0] <= u'z') {
        name[0] = QChar(name[0].unicode() - u'a' + u'A');
    }
    return name;
}

} // namespace kalvio
