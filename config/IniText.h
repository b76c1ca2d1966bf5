#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The text of an INI file under the rules of the Windows private-profile functions, held as
// the file's own bytes so that a change touches only the line it must. No file access.
//
// Section and key names match without regard to case; the first of duplicate sections or
// keys wins; lines outside any section, comment lines (";") and anything unrecognised are kept
// and ignored. The bytes are UTF-8 when they are valid UTF-8 (a byte-order mark is kept),
// otherwise GBK, and changes are written in the same encoding.
class IniText
{
public:
    enum class Encoding { Utf8, Gbk };

    static IniText Parse(const QByteArray &bytes);

    // The text after the first "=", blanks around it and one pair of enclosing quotation
    // marks removed; nullopt when the section or the key is missing.
    std::optional<QString> Value(const QString &section, const QString &key) const;

    // Replaces the value in place, or adds the key at the end of its section, or the section
    // at the end of the text. The value reads back exactly: line breaks become blanks, and a
    // value that reading would trim or unquote is written in double quotation marks.
    void SetValue(const QString &section, const QString &key, const QString &value);

    QByteArray Bytes() const;
    Encoding encoding() const { return m_encoding; }

private:
    enum class Kind { Other, Section, Key };
    struct Line
    {
        QByteArray raw; // without the line ending
        QByteArray ending;
        Kind kind = Kind::Other;
        QString name;          // section or key name
        QString value;         // a key's value as read
        qsizetype valueAt = 0; // where a key's value begins in `raw`
    };

    static Line ParseLine(QByteArray raw, QByteArray ending, QStringView text, bool inSection);
    qsizetype FindSection(const QString &section) const;
    qsizetype FindKey(qsizetype sectionLine, const QString &key) const;
    qsizetype SectionEnd(qsizetype sectionLine) const;
    QByteArray Encode(const QString &text) const;
    QByteArray DefaultEnding() const;
    void InsertLine(qsizetype at, const QString &text);

    QByteArray m_bom;
    std::vector<Line> m_lines;
    Encoding m_encoding = Encoding::Utf8;
};

namespace Ini {

// The private-profile reader's buffer holds 2047 bytes and its terminator.
constexpr int kMaxValueBytes = 2047;

// The longest start of `value` whose length in the system's code page (GBK; GB18030's
// four-byte form for characters GBK lacks) is at most `maxBytes`, never splitting a character.
QString CutToCodePageBytes(const QString &value, int maxBytes = kMaxValueBytes);

} // namespace Ini
