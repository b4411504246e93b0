#include "fuzzcheck.h"
#include "settingsfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void checkLimits(const GameSettings &s)
{
    FUZZ_CHECK(s.StyleCaracteres >= 1 && s.StyleCaracteres <= 3);
    FUZZ_CHECK(s.TypeExercice >= 1 && s.TypeExercice <= 7);
    FUZZ_CHECK(s.TailleMini >= 1 && s.TailleMini <= 12);
    FUZZ_CHECK(s.TailleMaxi >= 1 && s.TailleMaxi <= 24);
    FUZZ_CHECK(s.TailleMini <= s.TailleMaxi);
}

// Reads `bytes` through the real loader, from a file on disk.
void loadFromFile(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFile::kFileName);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(bytes);
    }
    GameSettings s;
    TurnState t;
    int beeps = 0;
    SettingsFile::ChargeParametres(path, s, t, [&] { ++beeps; });
    FUZZ_CHECK(beeps == 0);
    checkLimits(s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    GameSettings s;
    TurnState t;
    SettingsFile::decode(bytes, s, t);
    checkLimits(s);

    // Whatever was decoded, a save reloads to the same settings and flags
    // (the numbers may have been out of their normal ranges).
    const QByteArray record = SettingsFile::encode(s, t);
    FUZZ_CHECK(record.size() == SettingsFile::kRecordSize);
    GameSettings s2;
    TurnState t2;
    SettingsFile::decode(record, s2, t2);
    FUZZ_CHECK(s2 == s);
    FUZZ_CHECK(t2.Marques == t.Marques);
    FUZZ_CHECK(t2.ReponduCeTour == t.ReponduCeTour);

    // The disk path only for short inputs: the loader reads 43 bytes at most.
    if (size <= 64)
        loadFromFile(bytes);
    return 0;
}
