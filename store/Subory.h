#pragma once

#include <QFile>
#include <QLockFile>
#include <QString>

#include <memory>

namespace saldovia {

// A Slovak sentence for a failure of the operating system (an errno value): full disk,
// read-only file or folder, missing file and the like; the system's own text otherwise.
QString popisChybySystemu(int cislo);

// The file a path names once its symbolic links are followed, so that a file written
// "onto" a link replaces the link's target and the link stays; the path itself when it is
// no link. A link to a link is followed to the end; a dangling link gives its target.
QString cielOdkazov(const QString& path);

// The permissions a file replacing `target` gets: those of the existing target, read and
// write for the owner only for a new file.
QFile::Permissions pravaNahrady(const QString& target);

// A new hidden temporary file beside `target`, named ".<name of target>.<8 hex digits>.tmp",
// created empty with the permissions given. While the object lives, a lock file beside it
// (the same name with ".lock") tells odstranitStareKopie that someone is writing it. The
// destructor removes the file (and the journal the engine may have left beside it) unless
// it was renamed away (prevzaty).
class DocasnySubor {
public:
    explicit DocasnySubor(const QString& target,
                          QFile::Permissions prava = QFile::ReadOwner | QFile::WriteOwner);
    ~DocasnySubor();
    DocasnySubor(const DocasnySubor&) = delete;
    DocasnySubor& operator=(const DocasnySubor&) = delete;

    // False when the file could not be made; chyba() says why, in Slovak.
    bool ok() const { return subor_.isOpen(); }
    const QString& chyba() const { return chyba_; }
    int chybaSystemu() const { return chybaSystemu_; } // the errno behind chyba()
    const QString& cesta() const { return cesta_; }
    // The open file, for writing into it.
    QFile& subor() { return subor_; }
    // The file now lives under another name: nothing is removed, the lock is released.
    void prevzaty();
    // Removes the file and its journal now.
    void odstranit();

private:
    QString cesta_;
    QString chyba_;
    int chybaSystemu_ = 0;
    QFile subor_;
    std::unique_ptr<QLockFile> zamok_;
};

// Removes what interrupted writes left beside `target`: the hidden temporary files of
// DocasnySubor for that name, their journals and lock files. A file whose writer still
// runs is being written and stays. Returns the number of files removed (lock files are not
// counted).
int odstranitStareKopie(const QString& target);

// The few calls the store makes on the operating system itself, where the portable file
// classes do not give what it needs. Each returns false with errno set on failure.
// - Flushes the contents of an open file to the disk.
bool zapisatSuborNaDisk(QFile& subor);
// - Flushes a folder (after a rename in it) to the disk.
bool zapisatPriecinokNaDisk(const QString& priecinok);
// - Renames `from` over `to` in one step, replacing a file that is there.
bool premenovatNaMiesto(const QString& from, const QString& to);
// The last system error, for popisChybySystemu.
int poslednaChybaSystemu();

// The lock of one running copy of the program on the folder of its agenda. Another copy
// on the same folder (also in the same process) does not get it while it is held; the lock
// of a copy that ended without releasing it (killed) is taken over.
class ZamokAgendy {
public:
    enum class Stav {
        Ziskany,   // held now
        Obsadeny,  // another copy holds it
        Nedostupny // the folder cannot be locked here (missing or read-only)
    };
    ZamokAgendy() = default;
    ~ZamokAgendy();
    ZamokAgendy(const ZamokAgendy&) = delete;
    ZamokAgendy& operator=(const ZamokAgendy&) = delete;

    Stav ziskat(const QString& priecinok);
    void uvolnit();
    bool drzany() const { return zamok_ != nullptr; }

private:
    std::unique_ptr<QLockFile> zamok_;
};

} // namespace saldovia
