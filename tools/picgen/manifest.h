#pragma once

#include <QList>
#include <QString>

// One picture of the vocabulary: which key it is for, where its art comes
// from and what is done to it before it goes on the card.
struct ManifestRow
{
    int index = -1;
    QString key;
    QString name;
    QString source;    // "noto:1f41d", "openmoji:1F9A9", "svg:AEROSTAT"
    QString treatment; // "plain" or space-separated operations, see treatment.h
    QString credit;
    int line = 0; // 1-based line in the file, for messages
};

struct Manifest
{
    QList<ManifestRow> rows;
    QStringList errors; // one message per malformed line; those lines are skipped
};

// Tab-separated: index, key, name, source, treatment, credit. Lines that are
// empty or start with '#' are comments; the first non-comment line is the
// column header and is skipped. UTF-8.
Manifest parseManifest(const QByteArray &text);
Manifest readManifest(const QString &path);
