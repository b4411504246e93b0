#include "settingsfile.h"

#include "regularonly.h"
#include "wholefile.h"

#include <QFile>
#include <QFileInfo>

namespace SettingsFile {

namespace {

// Serves the record one byte at a time; past the end, the last byte again.
class RecordReader
{
public:
    explicit RecordReader(const QByteArray &bytes)
        : m_bytes(bytes)
    { }

    int next()
    {
        if (m_pos < m_bytes.size())
            m_last = static_cast<unsigned char>(m_bytes.at(m_pos++));
        return m_last;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
    int m_last = 0;
};

int digit(int byte)
{
    return byte - '0';
}

int twoDigits(RecordReader &r)
{
    const int b0 = r.next();
    return digit(b0) * 10 + digit(r.next());
}

bool flag(RecordReader &r)
{
    return r.next() == '1';
}

void limitSizes(GameSettings &s)
{
    const auto [mini, maxi] = SizeLimits::corrected(s.TailleMini, s.TailleMaxi, SizeLimits::kMaxiAtMostInFile);
    s.TailleMini = std::uint8_t(mini);
    s.TailleMaxi = std::uint8_t(maxi);
}

// The first `width` characters of the decimal text, a short one padded
// with "0" in front: 5 gives "05", 150 gives "15", -5 gives "0-5" in three.
QByteArray digits(qint32 v, int width)
{
    return QByteArray::number(v).rightJustified(width, '0', true);
}

QByteArray flagChar(bool b)
{
    return b ? "1" : "0";
}

// A file the user marked read-only stays untouched, even for a user (such as
// root) whom the system would let replace it.
bool markedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

void decode(const QByteArray &bytes, GameSettings &s, TurnState &t)
{
    if (bytes.isEmpty())
        return;
    RecordReader r(bytes);
    const int style = r.next();
    s.StyleCaracteres = (style >= '1' && style <= '3') ? std::uint8_t(style - '0') : 1;
    const int mode = r.next();
    s.TypeExercice = (mode >= '1' && mode <= '7') ? std::uint8_t(mode - '0') : 1;
    // The sizes are bytes: the arithmetic wraps modulo 256.
    s.TailleMini = static_cast<std::uint8_t>(twoDigits(r));
    s.TailleMaxi = static_cast<std::uint8_t>(twoDigits(r));
    limitSizes(s);
    s.MotsAccentues = flag(r);
    s.TraitsApparents = flag(r);
    const int n0 = r.next();
    const int n1 = r.next();
    t.NumeroMot = digit(n0) * 100 + digit(n1) * 10 + digit(r.next());
    for (bool &m : t.Marques)
        m = flag(r);
    t.ReponduCeTour = flag(r);
    t.ReserveA = twoDigits(r);
    t.ReserveB = twoDigits(r);
    t.ReserveC = twoDigits(r);
    t.ReserveD = digit(r.next());
}

QByteArray encode(const GameSettings &s, TurnState &t)
{
    QByteArray out;
    out.reserve(kRecordSize);
    out += digits(s.StyleCaracteres, 1);
    out += digits(s.TypeExercice, 1);
    out += digits(s.TailleMini, 2);
    out += digits(s.TailleMaxi, 2);
    out += flagChar(s.MotsAccentues);
    out += flagChar(s.TraitsApparents);
    out += digits(t.NumeroMot, 3);
    for (bool m : t.Marques)
        out += flagChar(m);
    out += flagChar(t.ReponduCeTour);
    out += digits(t.ReserveA, 2);
    out += digits(t.ReserveB, 2);
    if (t.ReserveC > 99)
        t.ReserveC = 99;
    out += digits(t.ReserveC, 2);
    out += digits(t.ReserveD, 1);
    return out;
}

void ChargeParametres(const QString &path, GameSettings &settings, TurnState &turn, const Beep &beep)
{
    // A pipe or a device in place of the file would block the start-up.
    QFile file;
    if (!RegularOnly::openForReading(file, path)) {
        beep();
        return;
    }
    const QByteArray bytes = file.read(kRecordSize);
    if (file.error() != QFileDevice::NoError) {
        beep();
        return;
    }
    decode(bytes, settings, turn);
}

void SauveParametres(const QString &path, const GameSettings &settings, TurnState &turn, const Beep &beep)
{
    const QByteArray record = encode(settings, turn);
    if (markedReadOnly(path)) {
        beep();
        return;
    }
    if (!WholeFile::replace(path, record))
        beep();
}

} // namespace SettingsFile
