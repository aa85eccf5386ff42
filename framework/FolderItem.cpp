#include "framework/FolderItem.h"

#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_MACOS
#include <sys/stat.h>
#endif

namespace framework {

namespace {

QString& applicationFolderOverride() {
    static QString folder;
    return folder;
}

std::optional<bool>& writableOverride() {
    static std::optional<bool> writable;
    return writable;
}

bool isRunningProgram(const QString& path) {
    const QString program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        return false;
    std::error_code ec;
    return std::filesystem::equivalent(std::filesystem::path(path.toStdString()),
                                       std::filesystem::path(program.toStdString()), ec) &&
           !ec;
}

} // namespace

FolderItem::FolderItem(QString path) : path_(std::move(path)) {}

QString FolderItem::ApplicationFolder() {
    if (!applicationFolderOverride().isEmpty())
        return applicationFolderOverride();
    QString folder = QCoreApplication::applicationDirPath();
#ifdef Q_OS_MACOS
    // Inside "X.app/Contents/MacOS": the application's folder is the one holding X.app.
    if (folder.endsWith(QLatin1String(".app/Contents/MacOS")))
        folder = QFileInfo(folder + QLatin1String("/../../..")).canonicalFilePath();
#endif
    return folder;
}

void FolderItem::SetApplicationFolder(const QString& folder) {
    applicationFolderOverride() = folder;
}

bool FolderItem::ApplicationFolderWritable() {
    if (writableOverride())
        return *writableOverride();
    const QFileInfo folder(ApplicationFolder());
    return folder.isDir() && folder.isWritable();
}

void FolderItem::SetApplicationFolderWritable(std::optional<bool> writable) {
    writableOverride() = writable;
}

FolderItem FolderItem::GetConfigItem(const QString& name) {
    return GetFolderItem(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), name);
}

FolderItem FolderItem::GetFolderItem(const QString& name) {
    return GetFolderItem(ApplicationFolder(), name);
}

FolderItem FolderItem::GetFolderItem(const QString& folder, const QString& name) {
    if (folder.isEmpty() || name.isEmpty() || name == QLatin1String(".") ||
        name == QLatin1String("..") || name.contains(u'/') || name.contains(u'\\'))
        return {};
    const QString path = QDir(folder).filePath(name);
    if (isRunningProgram(path))
        return {};
    return FolderItem(path);
}

bool FolderItem::Exists() const {
    return !isNil() && QFileInfo::exists(path_);
}

void FolderItem::SetVisible(bool visible) const {
#ifdef Q_OS_MACOS
    struct stat st {};
    const QByteArray native = QFile::encodeName(path_);
    if (!isNil() && ::lstat(native.constData(), &st) == 0) {
        const auto flags = visible ? (st.st_flags & ~UF_HIDDEN) : (st.st_flags | UF_HIDDEN);
        ::lchflags(native.constData(), flags);
    }
#else
    // Elsewhere a file is hidden only by a leading dot in its name, which is fixed.
    Q_UNUSED(visible);
#endif
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile(QString* error) const {
    if (isNil()) {
        if (error)
            *error = QStringLiteral("no file");
        return nullptr;
    }
    // The configuration folder may not exist yet; the application's folder always does.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    auto file = std::make_unique<QSaveFile>(path_);
    // Never write in place: a failed save must leave the old file whole.
    file->setDirectWriteFallback(false);
    if (!file->open(QIODevice::WriteOnly)) {
        if (error)
            *error = file->errorString();
        return nullptr;
    }
    return std::make_unique<TextOutputStream>(std::move(file));
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile(QString* error) const {
    if (isNil()) {
        if (error)
            *error = QStringLiteral("no file");
        return nullptr;
    }
    if (QFileInfo(path_).isDir()) {
        if (error)
            *error = QStringLiteral("is a directory");
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path_);
    if (!file->open(QIODevice::ReadOnly)) {
        if (error)
            *error = file->errorString();
        return nullptr;
    }
    return std::make_unique<TextInputStream>(std::move(file));
}

} // namespace framework
