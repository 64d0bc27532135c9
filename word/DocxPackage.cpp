#include "DocxPackage.h"

#include "WordDocument.h"

#include <QBuffer>
#include <QDateTime>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>
#include <zlib.h>

DocxPackage DocxPackage::read(QIODevice* device) {
    return fromBytes(device->readAll());
}

DocxPackage DocxPackage::fromBytes(const QByteArray& bytes) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        throw WordError(QStringLiteral("不是有效的Word文档（.docx）"));
    DocxPackage package;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        if (name.endsWith(QLatin1Char('/')))
            continue;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly))
            throw WordError(QStringLiteral("文档中的%1无法读取").arg(name));
        QByteArray content = file.readAll();
        file.close();
        if (file.getZipError() != UNZ_OK)
            throw WordError(QStringLiteral("文档中的%1已损坏").arg(name));
        package.parts_.append({name, std::move(content)});
    }
    if (zip.getZipError() != UNZ_OK)
        throw WordError(QStringLiteral("文档已损坏，无法读取"));
    return package;
}

QByteArray DocxPackage::toBytes() const {
    QBuffer buffer;
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        throw WordError(QStringLiteral("无法生成文档"));
    const QDateTime stamp(QDate(1980, 1, 1), QTime(0, 0));
    for (const Part& p : parts_) {
        QuaZipFile file(&zip);
        QuaZipNewInfo info(p.name);
        info.dateTime = stamp;
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, Z_DEFAULT_COMPRESSION) ||
            file.write(p.data) != p.data.size())
            throw WordError(QStringLiteral("无法生成文档中的%1").arg(p.name));
        file.close();
        if (file.getZipError() != ZIP_OK)
            throw WordError(QStringLiteral("无法生成文档中的%1").arg(p.name));
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK)
        throw WordError(QStringLiteral("无法生成文档"));
    return buffer.data();
}

bool DocxPackage::contains(const QString& name) const {
    for (const Part& p : parts_)
        if (p.name == name)
            return true;
    return false;
}

QByteArray DocxPackage::part(const QString& name) const {
    for (const Part& p : parts_)
        if (p.name == name)
            return p.data;
    return {};
}

void DocxPackage::setPart(const QString& name, const QByteArray& data) {
    for (Part& p : parts_) {
        if (p.name == name) {
            p.data = data;
            return;
        }
    }
    parts_.append({name, data});
}

QStringList DocxPackage::partNames() const {
    QStringList names;
    for (const Part& p : parts_)
        names.append(p.name);
    return names;
}
