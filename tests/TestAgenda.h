#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh copy of the prepared agenda in its own temporary folder.
class TestAgenda {
public:
    TestAgenda();
    QString dir() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("Data.mdb")); }
    // A path in the same folder.
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
