#include "record/DataProvenance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "thermal/TempDataFiles.h"

namespace fd9 {

namespace {

std::optional<QByteArray> ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

}  // namespace

std::optional<DataFileInfo> DescribeDataFile(const std::string& path) {
    const auto bytes = ReadWhole(QString::fromStdString(path));
    if (!bytes) {
        return std::nullopt;
    }
    DataFileInfo info;
    info.name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    info.size = static_cast<std::uintmax_t>(bytes->size());
    info.sha256 =
        QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex().toStdString();
    return info;
}

std::string DataSetIdentifier(const std::string& dataDir) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(QString::fromStdString(dataDir));
    for (const char* name : TempDataFileNames) {
        const auto bytes = ReadWhole(dir.filePath(QString::fromLatin1(name)));
        if (!bytes) {
            return {};
        }
        hash.addData(
            QByteArray(name, static_cast<qsizetype>(std::char_traits<char>::length(name)) + 1));
        hash.addData(*bytes);
    }
    return "data " + hash.result().toHex().left(12).toStdString();
}

}  // namespace fd9
