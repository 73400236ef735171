#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A scratch folder that is the current working directory while it lives, the
// way the program finds its text documents.
class TestFolder {
public:
    TestFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~TestFolder() { QDir::setCurrent(m_previous); }
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
    bool remove(const QString &name) const { return QFile::remove(m_dir.filePath(name)); }
    QString path(const QString &name = {}) const { return name.isEmpty() ? m_dir.path() : m_dir.filePath(name); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
