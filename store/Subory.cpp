#include "Subory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace saldovia {

namespace {

const QString PriponaDenniku = QStringLiteral("-journal");

bool rovnakyInode(int fd, const QByteArray& path) {
    struct stat a {};
    struct stat b {};
    return ::fstat(fd, &a) == 0 && ::lstat(path.constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

} // namespace

QString popisChybySystemu(int cislo) {
    switch (cislo) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Na disku nie je dosť miesta.");
    case EROFS:
        return QStringLiteral("Disk je len na čítanie.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Súbor alebo priečinok je len na čítanie alebo k nemu nie je "
                              "prístup.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Súbor alebo priečinok neexistuje.");
    case EIO:
        return QStringLiteral("Disk sa nedá čítať alebo zapisovať (chyba zariadenia).");
    case EFBIG:
        return QStringLiteral("Súbor je príliš veľký.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Program má otvorených príliš veľa súborov.");
    default:
        return QString::fromLocal8Bit(std::strerror(cislo));
    }
}

DocasnySubor::DocasnySubor(const QString& target) {
    const QFileInfo fi(target);
    const QString base = fi.absolutePath() + QStringLiteral("/.") + fi.fileName() + u'.';
    int posledna = 0;
    for (int pokus = 0; pokus < 16 && fd_ < 0; ++pokus) {
        const QString path = base + QStringLiteral("%1.tmp").arg(
                                        QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        const QByteArray p = QFile::encodeName(path);
        const int fd = ::open(p.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            posledna = errno;
            if (posledna == EEXIST)
                continue;
            break;
        }
        // A cleaner that opened the new, still unlocked file may hold it now or may have
        // removed it already: either way the name is lost, and another one is taken.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !rovnakyInode(fd, p)) {
            posledna = EEXIST;
            ::close(fd);
            continue;
        }
        fd_ = fd;
        cesta_ = path;
    }
    if (fd_ < 0)
        chyba_ = QStringLiteral("V priečinku %1 sa nedá vytvoriť súbor: %2")
                     .arg(QDir::toNativeSeparators(fi.absolutePath()), popisChybySystemu(posledna));
}

DocasnySubor::~DocasnySubor() {
    odstranit();
}

void DocasnySubor::prevzaty() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    cesta_.clear();
}

void DocasnySubor::odstranit() {
    if (!cesta_.isEmpty()) {
        ::unlink(QFile::encodeName(cesta_).constData());
        ::unlink(QFile::encodeName(cesta_ + PriponaDenniku).constData());
    }
    prevzaty();
}

int odstranitStareKopie(const QString& target) {
    const QFileInfo fi(target);
    const QDir dir = fi.absoluteDir();
    const QRegularExpression vzor(QStringLiteral("^\\.") +
                                  QRegularExpression::escape(fi.fileName()) +
                                  QStringLiteral("\\.[0-9a-f]{8}\\.tmp(-journal)?$"));
    const QStringList mena = dir.entryList({u'.' + fi.fileName() + QStringLiteral(".*.tmp*")},
                                           QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    int odstranene = 0;
    auto zmazat = [&](const QByteArray& path) {
        if (::unlink(path.constData()) == 0)
            ++odstranene;
    };
    for (const QString& meno : mena) {
        if (!vzor.match(meno).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(meno));
        if (meno.endsWith(PriponaDenniku)) {
            // a journal whose copy is gone belongs to nobody
            const QByteArray kopia = path.left(path.size() - PriponaDenniku.size());
            struct stat st {};
            if (::lstat(kopia.constData(), &st) != 0 && errno == ENOENT)
                zmazat(path);
            continue;
        }
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // Held by a writer: in use. Otherwise the writer is gone and the copy is stale.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && rovnakyInode(fd, path)) {
            zmazat(path + PriponaDenniku.toLatin1());
            zmazat(path);
        }
        ::close(fd);
    }
    return odstranene;
}

bool zapisatNaDisk(const QString& path, bool priecinok) {
    const QByteArray p = QFile::encodeName(path);
    const int fd = ::open(p.constData(), priecinok ? O_RDONLY | O_DIRECTORY : O_RDWR);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

ZamokAgendy::~ZamokAgendy() {
    uvolnit();
}

ZamokAgendy::Stav ZamokAgendy::ziskat(const QString& priecinok) {
    uvolnit();
    const QByteArray p = QFile::encodeName(priecinok);
    const int fd = ::open(p.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Stav::Nedostupny;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        return e == EWOULDBLOCK ? Stav::Obsadeny : Stav::Nedostupny;
    }
    fd_ = fd;
    return Stav::Ziskany;
}

void ZamokAgendy::uvolnit() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace saldovia
