#include "Subory.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace saldovia {

namespace {

const QString PriponaDenniku = QStringLiteral("-journal");
const QString PriponaZamku = QStringLiteral(".lock");

// A lock held for as long as its holder runs: never taken over because it is old, only
// because the process that made it is gone.
std::unique_ptr<QLockFile> zamknut(const QString& path, QLockFile::LockError* chyba = nullptr) {
    auto z = std::make_unique<QLockFile>(path);
    z->setStaleLockTime(0);
    if (z->tryLock(0))
        return z;
    if (chyba)
        *chyba = z->error();
    return nullptr;
}

} // namespace

QString popisChybySystemu(int cislo) {
    switch (cislo) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
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
    case ENAMETOOLONG:
        return QStringLiteral("Cesta k súboru je príliš dlhá.");
    case EEXIST:
        return QStringLiteral("Súbor s rovnakým menom už existuje.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Program má otvorených príliš veľa súborov.");
    default:
        return QString::fromLocal8Bit(std::strerror(cislo));
    }
}

QString cielOdkazov(const QString& path) {
    QString p = QFileInfo(path).absoluteFilePath();
    for (int hlbka = 0; hlbka < 40; ++hlbka) {
        const QFileInfo fi(p);
        if (!fi.isSymbolicLink())
            break;
        p = fi.symLinkTarget();
    }
    return p;
}

QFile::Permissions pravaNahrady(const QString& target) {
    const QFileInfo fi(target);
    if (fi.exists())
        return fi.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    return QFile::ReadOwner | QFile::WriteOwner;
}

DocasnySubor::DocasnySubor(const QString& target, QFile::Permissions prava) {
    const QFileInfo fi(target);
    const QString base = fi.absolutePath() + QStringLiteral("/.") + fi.fileName() + u'.';
    int posledna = 0;
    for (int pokus = 0; pokus < 16 && !subor_.isOpen(); ++pokus) {
        const QString path = base + QStringLiteral("%1.tmp").arg(
                                        QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        // The lock comes first: a cleaner that sees the file sees it locked.
        QLockFile::LockError chybaZamku = QLockFile::NoError;
        auto zamok = zamknut(path + PriponaZamku, &chybaZamku);
        if (!zamok) {
            posledna = poslednaChybaSystemu();
            if (chybaZamku == QLockFile::LockFailedError)
                continue; // the name is in use
            break;
        }
        subor_.setFileName(path);
        if (!subor_.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
            posledna = poslednaChybaSystemu();
            if (QFileInfo::exists(path))
                continue; // an old file of that name: another name is taken
            break;
        }
        if (!subor_.setPermissions(prava)) {
            posledna = poslednaChybaSystemu();
            subor_.close();
            QFile::remove(path);
            break;
        }
        zamok_ = std::move(zamok);
        cesta_ = path;
    }
    chybaSystemu_ = subor_.isOpen() ? 0 : posledna;
    if (!subor_.isOpen())
        chyba_ = QStringLiteral("V priečinku %1 sa nedá vytvoriť súbor: %2")
                     .arg(QDir::toNativeSeparators(fi.absolutePath()), popisChybySystemu(posledna));
}

DocasnySubor::~DocasnySubor() {
    odstranit();
}

void DocasnySubor::prevzaty() {
    subor_.close();
    zamok_.reset();
    cesta_.clear();
}

void DocasnySubor::odstranit() {
    subor_.close();
    if (!cesta_.isEmpty()) {
        QFile::remove(cesta_);
        QFile::remove(cesta_ + PriponaDenniku);
    }
    prevzaty();
}

int odstranitStareKopie(const QString& target) {
    const QFileInfo fi(target);
    const QDir dir = fi.absoluteDir();
    const QRegularExpression vzor(QStringLiteral("^(\\.") +
                                  QRegularExpression::escape(fi.fileName()) +
                                  QStringLiteral("\\.[0-9a-f]{8}\\.tmp)(-journal|\\.lock)?$"));
    const QStringList mena = dir.entryList({u'.' + fi.fileName() + QStringLiteral(".*.tmp*")},
                                           QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    QStringList kopie; // the temporary files' names, each once
    for (const QString& meno : mena)
        if (const auto m = vzor.match(meno); m.hasMatch() && !kopie.contains(m.captured(1)))
            kopie << m.captured(1);
    int odstranene = 0;
    for (const QString& meno : kopie) {
        const QString path = dir.filePath(meno);
        // Held by a running writer: in use. Otherwise the writer is gone and the copy is
        // stale; a journal or lock whose copy is gone belongs to nobody.
        const auto zamok = zamknut(path + PriponaZamku);
        if (!zamok)
            continue;
        for (const QString& subor : {path + PriponaDenniku, path})
            if (QFile::remove(subor))
                ++odstranene;
    }
    return odstranene;
}

int poslednaChybaSystemu() {
    return errno;
}

bool zapisatSuborNaDisk(QFile& subor) {
    if (!subor.flush())
        return false;
#ifdef Q_OS_WIN
    return ::_commit(subor.handle()) == 0;
#else
    return ::fsync(subor.handle()) == 0;
#endif
}

bool zapisatPriecinokNaDisk(const QString& priecinok) {
#ifdef Q_OS_WIN
    // A rename is durable once it returns (MoveFileEx with MOVEFILE_WRITE_THROUGH).
    Q_UNUSED(priecinok);
    return true;
#else
    const QByteArray p = QFile::encodeName(priecinok);
    const int fd = ::open(p.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    const int e = errno;
    ::close(fd);
    errno = e;
    return ok;
#endif
}

bool premenovatNaMiesto(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    return ::MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                         reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

ZamokAgendy::~ZamokAgendy() {
    uvolnit();
}

ZamokAgendy::Stav ZamokAgendy::ziskat(const QString& priecinok) {
    uvolnit();
    if (!QFileInfo(priecinok).isDir())
        return Stav::Nedostupny;
    QLockFile::LockError chyba = QLockFile::NoError;
    zamok_ = zamknut(QDir(priecinok).filePath(QStringLiteral(".Saldovia.lock")), &chyba);
    if (zamok_)
        return Stav::Ziskany;
    return chyba == QLockFile::LockFailedError ? Stav::Obsadeny : Stav::Nedostupny;
}

void ZamokAgendy::uvolnit() {
    zamok_.reset();
}

} // namespace saldovia
