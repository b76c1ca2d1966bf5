// Draws the weather icons of GDIPPictureContainer2 under their item names.
// Usage: artwork-weather <folder>   (the project keeps them in resources/weather)
#include "WeatherArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QSize>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using WeatherArt::Scene;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork-weather <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    struct Icon
    {
        QString name;
        Scene scene;
        QSize size;
    };
    const QSize standard(200, 111);
    const Icon icons[] = {
        {u"晴.png"_s, Scene::Clear, standard},       {u"多云晴.png"_s, Scene::CloudSun, standard},
        {u"晴雨.png"_s, Scene::SunRain, standard},   {u"阴雨.png"_s, Scene::Rain, standard},
        {u"大雨.png"_s, Scene::HeavyRain, standard}, {u"雨加雪.png"_s, Scene::Sleet, standard},
        {u"雪.png"_s, Scene::Snow, standard},        {u"雷阵雨.png"_s, Scene::Thunder, standard},
        {u"霾.png"_s, Scene::Haze, QSize(174, 107)}};
    for (const Icon &icon : icons) {
        const QString path = folder.filePath(icon.name);
        if (!WeatherArt::Draw(icon.scene, icon.size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
