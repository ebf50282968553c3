#include "platform/resource_store.h"

#include <QFile>

#include "platform/qt_image.h"

namespace xvexo {

QString ResourcePath(const std::string& Name, const std::string& Extension) {
    return QStringLiteral(":/res/") + QString::fromStdString(Name).toUpper() + QLatin1Char('.') +
           QString::fromStdString(Extension);
}

QImage LoadResourceImage(const std::string& Name) {
    for (const char* Ext : {"png", "bmp"}) {
        const QString Path = ResourcePath(Name, Ext);
        if (QFile::exists(Path)) {
            QImage I(Path);
            if (!I.isNull()) return I;
        }
    }
    throw TResourceNotFound(Name);
}

QByteArray LoadResourceData(const std::string& Name, const std::string& Extension) {
    QFile F(ResourcePath(Name, Extension));
    if (!F.open(QIODevice::ReadOnly)) throw TResourceNotFound(Name + "." + Extension);
    return F.readAll();
}

std::unique_ptr<TImage> TResourceStore::Load(const std::string& Name) {
    const std::string Key = QString::fromStdString(Name).toUpper().toStdString();
    auto It = Cache.find(Key);
    if (It == Cache.end()) {
        It = Cache.emplace(Key, TQtImage(LoadResourceImage(Key)).Image()).first;
    }
    return std::make_unique<TQtImage>(It->second);
}

}  // namespace xvexo
