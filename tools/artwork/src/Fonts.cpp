#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include <stdexcept>

namespace artwork {

namespace {

QString g_libertine, g_libertineBold, g_display, g_ezra;

QString load(const QString &path, const char *package)
{
    if (!QFile::exists(path))
        throw std::runtime_error(path.toStdString() + " is missing: install " + package + " (sh setup.sh artwork)");
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw std::runtime_error("could not load " + path.toStdString());
    return families.first();
}

QFont make(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(true);
    return font;
}

} // namespace

void loadFonts()
{
    const QString libertineDir = "/usr/share/fonts/opentype/linux-libertine/";
    g_libertine = load(libertineDir + "LinLibertine_R.otf", "fonts-linuxlibertine");
    g_libertineBold = load(libertineDir + "LinLibertine_RB.otf", "fonts-linuxlibertine");
    g_display = load(libertineDir + "LinLibertine_DR.otf", "fonts-linuxlibertine");
    g_ezra = load("/usr/share/fonts/truetype/ezra/SILEOT.ttf", "fonts-sil-ezra");
}

QFont libertine(int pixelSize, bool bold)
{
    return make(bold ? g_libertineBold : g_libertine, pixelSize, bold);
}

QFont libertineDisplay(int pixelSize)
{
    return make(g_display, pixelSize, false);
}

QFont ezra(int pixelSize)
{
    return make(g_ezra, pixelSize, false);
}

} // namespace artwork
