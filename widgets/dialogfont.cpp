#include "dialogfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace DialogFont {

QFont font()
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(11);
    return f;
}

void load()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
#ifdef Q_OS_WIN
    // Compiled into the program: Windows has no MS Sans Serif of this shape.
    const QString folder = QStringLiteral(":/fonts/");
#else
    // By file: fonts-wine keeps them out of fontconfig's path, and
    // fontconfig's usual set-up rejects MS Sans Serif, a bitmap font.
    const QString folder = QStringLiteral("/usr/share/wine/fonts/");
#endif
    for (const char *file : {"ms_sans_serif.ttf", "tahoma.ttf", "tahomabd.ttf"})
        QFontDatabase::addApplicationFont(folder + QLatin1String(file));
}

bool boldNeedsOverstrike(const QFont &font)
{
    load();
    return !QFontDatabase::isSmoothlyScalable(QFontInfo(font).family());
}

} // namespace DialogFont
