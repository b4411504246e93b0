#pragma once

#include "wordlist.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

// A working folder with images/KEY.bmp for every key of the word list,
// each a flat colour that encodes its entry index.
class PictureFolder
{
public:
    PictureFolder()
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("images"));
        for (int i = 0; i < WordList::kCount; ++i) {
            const QByteArray key = WordList::key(i);
            if (!key.isEmpty())
                picture(i).save(picturePath(key), "BMP");
        }
    }

    QString path() const { return m_dir.path(); }
    QString picturePath(const QByteArray &key) const { return pathIn(m_dir.path(), key); }
    // Where a parent finds the picture of `key` in the game's folder `dir`.
    static QString pathIn(const QString &dir, const QByteArray &key)
    {
        return QDir(dir).filePath(QStringLiteral("images/") + QString::fromLatin1(key) + QStringLiteral(".bmp"));
    }

    static QColor colourOf(int index) { return QColor(index % 256, index / 256, 77); }
    static int indexOf(QColor c) { return c.blue() == 77 ? c.red() + 256 * c.green() : -1; }

    static QImage picture(int index, QSize size = QSize(64, 64))
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(colourOf(index));
        return img;
    }

private:
    QTemporaryDir m_dir;
};
