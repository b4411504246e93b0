#include "boardlayout.h"
#include "colours.h"
#include "game.h"
#include "gameservices.h"
#include "glyphsets.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kCellScale = 6;
constexpr int kNameScale = 4;
constexpr int kGap = 10;
constexpr int kLabel = 16;
constexpr int kCellsPerLine = 11;
const QColor kPaper = Colours::kAqua; // where the cells really land

// The game only needs the board here: no clock, sound, errors or waiting.
class SilentServices : public GameServices
{
public:
    int timeOfDayMs() override { return 0; }
    void beep() override { }
    void showError(const QString &) override { }
    void pause(int) override { }
    void boardChanged(const QRegion &) override { }
};

const QStringList kSampleNames = {
    QStringLiteral("l'arc-en-ciel"),
    QStringLiteral("le point d'interrogation"),
    QStringLiteral("l'aiguille à tricoter"),
    QStringLiteral("la balançoire"),
    QStringLiteral("le hérisson"),
    QStringLiteral("l'âne"),
    QStringLiteral("le zèbre"),
    QStringLiteral("la chauve souris"),
    // Every letter joined to its neighbours, then the joins that differ.
    QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
    QStringLiteral("ma ba vo wo re da"),
    QStringLiteral("bd vd wd od ad bm wr vr"),
    QStringLiteral("âàéêèëîïôöûùüç"),
};

struct SetView
{
    const ImageSet *set;
    int count;
    const char *title;
};

QString slotLabel(int index)
{
    static const char *const accented[] = {"â", "à", "é", "ê", "è", "ë", "î", "ï", "ô", "ö", "û", "ù", "ü", "ç"};
    if (index < 26)
        return QStringLiteral("%1 %2").arg(index).arg(QChar('a' + index));
    if (index >= 30 && index < 44)
        return QStringLiteral("%1 %2").arg(index).arg(QString::fromUtf8(accented[index - 30]));
    return QString::number(index);
}

int cellsHeight(const SetView &view, int perLine)
{
    const int lines = (view.count + perLine - 1) / perLine;
    return kLabel + lines * (view.set->cellSize().height() * kCellScale + kLabel + kGap);
}

int namesHeight(int count)
{
    return 3 * (kLabel + count * (GlyphSets::kGlyphCell.height() * kNameScale + kGap));
}

// Draws every cell of `set` magnified with its slot number; returns the height used.
int drawCells(QPainter &painter, int top, const SetView &view, int perLine)
{
    const QSize cell = view.set->cellSize() * kCellScale;
    painter.drawText(kGap, top + kLabel - 4, QString::fromUtf8(view.title));
    int y = top + kLabel;
    QImage one(view.set->cellSize(), QImage::Format_RGB32);
    for (int i = 0; i < view.count; ++i) {
        const int x = kGap + (i % perLine) * (cell.width() + kGap);
        const int rowTop = y + (i / perLine) * (cell.height() + kLabel + kGap);
        painter.drawText(x, rowTop + kLabel - 4, slotLabel(i));
        QPainter cellPainter(&one);
        view.set->draw(cellPainter, i, QPoint(0, 0));
        cellPainter.end();
        painter.drawImage(x, rowTop + kLabel, one.scaled(cell));
    }
    return cellsHeight(view, perLine);
}

// The name line exactly as the game draws it: rows 170-198 of a fresh board.
QImage nameLine(const GlyphSets &sets, int style, const QString &name)
{
    SilentServices services;
    Game game(services, sets);
    game.settings().StyleCaracteres = std::uint8_t(style);
    game.turn().NomAffiche = name.toLatin1(); // every letter of the vocabulary is in Latin-1
    game.MiseAJourNom();
    return game.board().copy(0, BoardLayout::kNameY, BoardLayout::kWidth, GlyphSets::kGlyphCell.height());
}

void drawNames(QPainter &painter, int top, const GlyphSets &sets, const QStringList &names)
{
    static const char *const styles[] = {"1 Minuscules attachées", "2 Minuscules d'imprimerie", "3 Majuscules"};
    const int lineHeight = GlyphSets::kGlyphCell.height() * kNameScale;
    int y = top;
    for (int style = 1; style <= 3; ++style) {
        painter.drawText(kGap, y + kLabel - 4, QString::fromUtf8(styles[style - 1]));
        y += kLabel;
        for (const QString &name : names) {
            const QImage line = nameLine(sets, style, name);
            painter.drawImage(kGap, y, line);
            painter.drawImage(2 * kGap + line.width(), y, line.scaled(line.size() * kNameScale));
            y += lineHeight + kGap;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString out = args.value(0, QStringLiteral("contactsheet.png"));
    const QStringList names = args.size() > 1 ? args.mid(1) : kSampleNames;

    const GlyphSets sets = GlyphSets::fromResources();
    const SetView glyphViews[] = {{&sets.Alphabet, GlyphSets::kGlyphCount, "Alphabet"},
                                  {&sets.AlphaMin, GlyphSets::kGlyphCount, "AlphaMin"},
                                  {&sets.AlphaMaj, GlyphSets::kGlyphCount, "AlphaMaj"}};
    const SetView marks{&sets.Touches, GlyphSets::kMarkCount, "Touches"};
    // A set that failed to load has no cell size.
    if (!sets.Alphabet.cellSize().isValid() || !sets.AlphaMin.cellSize().isValid()
        || !sets.AlphaMaj.cellSize().isValid() || !sets.Touches.cellSize().isValid()) {
        std::fprintf(stderr, "contactsheet: an image set failed to load\n");
        return 1;
    }
    const int width = 3 * kGap + BoardLayout::kWidth * (1 + kNameScale);
    const int height = kGap + 3 * (cellsHeight(glyphViews[0], kCellsPerLine) + kGap)
                       + cellsHeight(marks, GlyphSets::kMarkCount) + kGap + namesHeight(int(names.size())) + kGap;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kPaper);
    QPainter painter(&sheet);
    int y = kGap;
    for (const SetView &view : glyphViews)
        y += drawCells(painter, y, view, kCellsPerLine) + kGap;
    y += drawCells(painter, y, marks, GlyphSets::kMarkCount) + kGap;
    drawNames(painter, y, sets, names);
    painter.end();

    if (!sheet.save(out)) {
        std::fprintf(stderr, "contactsheet: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
