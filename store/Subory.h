#pragma once

#include <QString>

namespace saldovia {

// A Slovak sentence for a failure of the operating system (an errno value): full disk,
// read-only file or folder, missing file and the like; the system's own text otherwise.
QString popisChybySystemu(int cislo);

// A new hidden temporary file beside `target`, named ".<name of target>.<8 hex digits>.tmp",
// created empty. It carries an exclusive lock for as long as the object lives, which tells
// odstranitStareKopie that someone is writing it. The destructor removes the file (and the
// journal the engine may have left beside it) unless it was renamed away (prevzaty).
class DocasnySubor {
public:
    explicit DocasnySubor(const QString& target);
    ~DocasnySubor();
    DocasnySubor(const DocasnySubor&) = delete;
    DocasnySubor& operator=(const DocasnySubor&) = delete;

    // False when the file could not be made; chyba() says why, in Slovak.
    bool ok() const { return fd_ >= 0; }
    const QString& chyba() const { return chyba_; }
    const QString& cesta() const { return cesta_; }
    int fd() const { return fd_; }
    // The file now lives under another name: nothing is removed, the lock is released.
    void prevzaty();
    // Removes the file and its journal now.
    void odstranit();

private:
    QString cesta_;
    QString chyba_;
    int fd_ = -1;
};

// Removes what interrupted writes left beside `target`: the hidden temporary files of
// DocasnySubor for that name and their journals. A file that another running program still
// holds locked is being written and stays. Returns the number of files removed.
int odstranitStareKopie(const QString& target);

// Flushes a file or a folder (after a rename in it) to the disk.
bool zapisatNaDisk(const QString& path, bool priecinok);

// The lock of one running copy of the program on the folder of its agenda. Another copy
// on the same folder (also in the same process) does not get it while it is held.
class ZamokAgendy {
public:
    enum class Stav {
        Ziskany,   // held now
        Obsadeny,  // another copy holds it
        Nedostupny // the folder cannot be locked here (missing, or the file system has no locks)
    };
    ZamokAgendy() = default;
    ~ZamokAgendy();
    ZamokAgendy(const ZamokAgendy&) = delete;
    ZamokAgendy& operator=(const ZamokAgendy&) = delete;

    Stav ziskat(const QString& priecinok);
    void uvolnit();
    bool drzany() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace saldovia
