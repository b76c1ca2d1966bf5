#include "config/IniFile.h"

#include "config/AtomicFile.h"
#include "platform/Errors.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<QByteArray> ReadAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const std::optional<QString> value = Text().Value(section, key);
    return value ? Ini::CutToCodePageBytes(*value) : def;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const std::optional<QByteArray> before = ReadAll(m_path);
    if (!before || !AtomicFile::MayReplace(m_path))
        FailWrite();
    IniText text = IniText::Parse(*before);
    text.SetValue(section, key, value);
    const QByteArray after = text.Bytes();
    // An unchanged file is not rewritten: the board writes its folder back at every start.
    if (after != *before && !AtomicFile::Replace(m_path, after))
        FailWrite();
    m_text = std::move(text);
}

const IniText &IniFile::Text() const
{
    if (!m_text)
        m_text = IniText::Parse(ReadAll(m_path).value_or(QByteArray()));
    return *m_text;
}

void IniFile::FailWrite() const
{
    throw BoardError(u"Unable to write to "_s + m_path);
}
