// The build step that gives the program its images as PNG: the XPM sources
// stay what is drawn and reviewed, and the program no longer parses their
// text at every start. topng <in.xpm> <out.png>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <in.xpm> <out.png>\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]), "XPM");
    if (image.isNull()) {
        std::fprintf(stderr, "topng: cannot read %s\n", argv[1]);
        return 1;
    }
    // Palette images stay palette images, with the same table and pixels.
    QImageWriter writer(QString::fromLocal8Bit(argv[2]), "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "topng: cannot write %s: %s\n", argv[2], qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
