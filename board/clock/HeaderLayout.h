#pragma once

#include <QString>
#include <QStringView>

// Where the header's date, time and weather elements stand: at distances from the window's
// right edge that grow with the length of their texts in GBK bytes.
namespace HeaderLayout {

// The texts shown at the moment of the re-layout.
struct HeaderTexts
{
    QString date;            // AdvReflectionLabel1
    QString time;            // AdvReflectionLabel2
    QString todayCaption;    // Label1
    QString todayTemps;      // Label2
    QString tomorrowCaption; // Label4
    QString tomorrowTemps;   // Label5
};

// The new left edges; tops, widths and heights stay as they are.
struct HeaderLefts
{
    int date;            // AdvReflectionLabel1
    int time;            // AdvReflectionLabel2
    int todayCaption;    // Label1
    int todayTemps;      // Label2
    int tomorrowCaption; // Label4
    int tomorrowTemps;   // Label5
    int todayIcon;       // AdvGDIPPicture1
    int tomorrowIcon;    // AdvGDIPPicture2
    bool operator==(const HeaderLefts &) const = default;
};

// Length of `text` in code page 936: one byte per ASCII character, two per Chinese character
// or full-width sign, and one for a character GBK lacks (it would be written as "?").
int GbkByteCount(QStringView text);

// The left edges for a window `width` pixels wide.
HeaderLefts Compute(int width, const HeaderTexts &texts);

} // namespace HeaderLayout
