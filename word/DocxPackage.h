#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// The parts of an Open XML package (a zip file) held in memory, in the order they were read
// or added. Reading and writing raise WordError when the data is not a usable zip package.
class DocxPackage {
public:
    static DocxPackage read(QIODevice* device);
    static DocxPackage fromBytes(const QByteArray& bytes);
    // The whole package as zip bytes, every part deflated, with the fixed time stamp Word
    // itself writes, so that the same parts always give the same bytes.
    QByteArray toBytes() const;

    bool contains(const QString& name) const;
    QByteArray part(const QString& name) const;
    // Replaces a part, or adds it at the end.
    void setPart(const QString& name, const QByteArray& data);
    QStringList partNames() const;

private:
    struct Part {
        QString name;
        QByteArray data;
    };
    QList<Part> parts_;
};
