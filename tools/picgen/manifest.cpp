#include "manifest.h"

#include <QFile>
#include <QRegularExpression>

static bool parseRow(const QString &line, ManifestRow &row, QString &error)
{
    const QStringList cells = line.split(QLatin1Char('\t'));
    if (cells.size() != 6) {
        error = QStringLiteral("expected 6 tab-separated columns, found %1").arg(cells.size());
        return false;
    }
    bool ok = false;
    row.index = cells[0].trimmed().toInt(&ok);
    if (!ok || row.index < 0) {
        error = QStringLiteral("bad index \"%1\"").arg(cells[0]);
        return false;
    }
    static const QRegularExpression keyPattern(QStringLiteral("^[A-Z_]{1,8}$"));
    row.key = cells[1].trimmed();
    if (!keyPattern.match(row.key).hasMatch()) {
        error = QStringLiteral("bad key \"%1\"").arg(row.key);
        return false;
    }
    row.name = cells[2].trimmed();
    row.source = cells[3].trimmed();
    if (!row.source.contains(QLatin1Char(':'))) {
        error = QStringLiteral("bad source \"%1\"").arg(row.source);
        return false;
    }
    row.treatment = cells[4].trimmed();
    if (row.treatment.isEmpty())
        row.treatment = QStringLiteral("plain");
    row.credit = cells[5].trimmed();
    return true;
}

Manifest parseManifest(const QByteArray &text)
{
    Manifest manifest;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    bool headerSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        ManifestRow row;
        QString error;
        row.line = i + 1;
        if (parseRow(line, row, error))
            manifest.rows.append(row);
        else
            manifest.errors.append(QStringLiteral("line %1: %2").arg(i + 1).arg(error));
    }
    return manifest;
}

Manifest readManifest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Manifest manifest;
        manifest.errors.append(QStringLiteral("cannot open %1").arg(path));
        return manifest;
    }
    return parseManifest(file.readAll());
}
