// Prints how long the INI class takes per operation on a file of a few kilobytes, as the
// board and its dialogs use it: opened, a handful of keys read, closed again.
#include "config/GbkCodec.h"
#include "config/IniFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QString SampleText(int sections)
{
    QString text = u"; 电子显示牌参数\r\n"_s;
    for (int i = 0; i < sections; ++i) {
        text += u"[Extra%1]\r\n; 说明 %1\r\nName = 嶽麓山庄%1\r\nValue=\"%1\"\r\n\r\n"_s.arg(i);
    }
    text += u"[City]\r\nCode=101270101\r\n[connection]\r\n"
            u"constr=Provider=SQLite;Data Source=\r\nbasename=/opt/board\r\n"
            u"basepath=/Database.accdb\r\n[PicAlong]\r\nAlong=0\r\n[MoveShow]\r\n"
            u"Msg=温馨提示:请各位亲们保管好自己的贵重物品，以防遗失，谢谢！\r\n"_s;
    return text;
}

void Measure(const char *name, const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return;
    file.close();

    constexpr int kOpens = 5000;
    QElapsedTimer timer;
    timer.start();
    qsizetype sink = 0;
    for (int i = 0; i < kOpens; ++i) {
        const IniFile ini(path);
        sink += ini.ReadString(u"City"_s, u"Code"_s, u"101270101"_s).size();
        sink += ini.ReadString(u"connection"_s, u"constr"_s, QString()).size();
        sink += ini.ReadString(u"connection"_s, u"basepath"_s, QString()).size();
        sink += ini.ReadString(u"PicAlong"_s, u"Along"_s, u"0"_s).size();
        sink += ini.ReadString(u"MoveShow"_s, u"Msg"_s, QString()).size();
    }
    const double readUs = double(timer.nsecsElapsed()) / 1000.0 / kOpens;

    constexpr int kWrites = 200;
    timer.restart();
    for (int i = 0; i < kWrites; ++i) {
        IniFile(path).WriteString(u"MoveShow"_s, u"Msg"_s, u"提示 %1"_s.arg(i));
    }
    const double writeUs = double(timer.nsecsElapsed()) / 1000.0 / kWrites;
    std::printf(
        "%-22s %6lld bytes  open + 5 reads: %8.1f us   write (synced save): %8.1f us  (%lld)\n",
        name, static_cast<long long>(bytes.size()), readUs, writeUs,
        static_cast<long long>(sink % 10));
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Params.ini"_s);
    for (int sections : {0, 40, 400}) {
        const QString text = SampleText(sections);
        Measure(qPrintable(u"GBK, %1 sections"_s.arg(sections + 4)), path, Gbk::Encode(text));
        Measure(qPrintable(u"UTF-8, %1 sections"_s.arg(sections + 4)), path, text.toUtf8());
    }
    return 0;
}
