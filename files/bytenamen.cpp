// File names as bytes: the escape of undecodable bytes and the few file
// operations that must go around Qt's lossy name conversion.
#include "files/bytenamen.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane {
namespace {

constexpr char16_t ontsnapt = 0xDC00;

// Length of the valid UTF-8 sequence at `i`, or 0.
int Utf8Lengte(const unsigned char* b, qsizetype i, qsizetype n, char32_t& code)
{
    const unsigned char c = b[i];
    int lengte = 0;
    char32_t minimum = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        lengte = 2, code = c & 0x1F, minimum = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        lengte = 3, code = c & 0x0F, minimum = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        lengte = 4, code = c & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + lengte > n)
        return 0;
    for (int k = 1; k < lengte; ++k) {
        if ((b[i + k] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (b[i + k] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return lengte;
}

QByteArray Bytes(const QString& pad)
{
    return BytesVanNaam(pad);
}

} // namespace

QString NaamUitBytes(const QByteArray& bytes)
{
    QString uit;
    uit.reserve(bytes.size());
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (b[i] < 0x80) {
            uit += QChar(b[i++]);
            continue;
        }
        char32_t code = 0;
        const int lengte = Utf8Lengte(b, i, n, code);
        if (lengte == 0) {
            uit += QChar(char16_t(ontsnapt + b[i++]));
            continue;
        }
        uit += QString::fromUcs4(&code, 1);
        i += lengte;
    }
    return uit;
}

QByteArray BytesVanNaam(const QString& naam)
{
    QByteArray uit;
    uit.reserve(naam.size());
    const qsizetype n = naam.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = naam[i].unicode();
        if (u >= ontsnapt + 0x80 && u <= ontsnapt + 0xFF) {
            uit += static_cast<char>(u - ontsnapt);
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && naam[i + 1].isLowSurrogate()) {
            uit += naam.mid(i, 2).toUtf8();
            ++i;
        } else {
            uit += QString(QChar(u)).toUtf8();
        }
    }
    return uit;
}

bool QtKentNaam(const QString& naam)
{
    return QFile::encodeName(naam) == BytesVanNaam(naam);
}

QString AbsoluutPad(const QString& pad)
{
    if (pad.isEmpty())
        return pad;
    return QDir::cleanPath(pad.startsWith(u'/') ? pad : QDir::currentPath() + u'/' + pad);
}

QStringList ParametersUitArgv(int argc, const char* const* argv)
{
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters << NaamUitBytes(QByteArray(argv[i]));
    return parameters;
}

bool IsGewoonBestand(const QString& pad)
{
    struct stat st {};
    return !pad.isEmpty() && ::stat(Bytes(pad).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<QByteArray> LeesGewoonBestand(const QString& pad)
{
    if (pad.isEmpty())
        return std::nullopt;
    // Non-blocking, so that opening a pipe does not wait for a writer; only
    // a regular file is read at all.
    const int fd = ::open(Bytes(pad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray inhoud;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        inhoud.append(buffer, n);
    }
    ::close(fd);
    return inhoud;
}

bool SchrijfViaBytes(const QString& pad, const QByteArray& bytes)
{
    QByteArray doel = Bytes(pad);
    // Through a symbolic link to the file it names.
    struct stat st {};
    if (::lstat(doel.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* echt = ::realpath(doel.constData(), nullptr);
        if (!echt)
            return false;
        doel = echt;
        ::free(echt);
    }
    mode_t rechten = 0;
    if (::stat(doel.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return false;
        rechten = st.st_mode & 07777;
    } else {
        const mode_t masker = ::umask(0);
        ::umask(masker);
        rechten = 0666 & ~masker;
    }
    const qsizetype streep = doel.lastIndexOf('/');
    QByteArray sjabloon = (streep < 0 ? QByteArray(".") : doel.left(streep)) + "/.korvane-XXXXXX";
    const int fd = ::mkstemp(sjabloon.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, rechten) == 0;
    for (qsizetype gedaan = 0; ok && gedaan < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + gedaan, static_cast<size_t>(bytes.size() - gedaan));
        ok = n > 0;
        gedaan += std::max<ssize_t>(n, 0);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(sjabloon.constData(), doel.constData()) == 0;
    if (!ok)
        ::unlink(sjabloon.constData());
    return ok;
}

QStringList GewoneBestanden(const QString& map, const QStringList& extensies)
{
    QStringList namen;
    DIR* dir = ::opendir(Bytes(map).constData());
    if (!dir)
        return namen;
    const QString basis = map.endsWith(u'/') ? map : map + u'/';
    while (const dirent* e = ::readdir(dir)) {
        const QString naam = NaamUitBytes(QByteArray(e->d_name));
        if (naam.startsWith(u'.'))
            continue;
        const bool past = std::any_of(extensies.begin(), extensies.end(), [&](const QString& x) {
            return naam.size() > x.size() && naam.endsWith(x, Qt::CaseInsensitive);
        });
        if (past && IsGewoonBestand(basis + naam))
            namen << naam;
    }
    ::closedir(dir);
    std::sort(namen.begin(), namen.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return namen;
}

} // namespace korvane
