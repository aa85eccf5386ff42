#pragma once

#include <QString>
#include <memory>
#include <optional>

namespace framework {

class TextInputStream;
class TextOutputStream;

// A file named by its path, existing or not. A default-made item is "nil": no file at all.
class FolderItem {
public:
    FolderItem() = default;
    explicit FolderItem(QString path);

    // The item of that bare name in the application's folder. Nil when the name is not a bare
    // file name, or when it would be the running program itself (on a case-insensitive file
    // system "Tarivane" and "tarivane" are one file).
    static FolderItem GetFolderItem(const QString& name);
    static FolderItem GetFolderItem(const QString& folder, const QString& name);

    // The folder that holds the executable (on macOS, the folder that holds the bundle).
    static QString ApplicationFolder();
    // Points the application's folder elsewhere; an empty path restores the real one.
    static void SetApplicationFolder(const QString& folder);
    // True when files can be made in the application's folder (not so for an installed copy).
    static bool ApplicationFolderWritable();
    // Overrides that answer; nullopt restores the real one.
    static void SetApplicationFolderWritable(std::optional<bool> writable);

    // The item of that bare name in the user's configuration folder for this application.
    static FolderItem GetConfigItem(const QString& name);

    bool isNil() const { return path_.isEmpty(); }
    const QString& path() const { return path_; }

    bool Exists() const;
    void SetVisible(bool visible) const;

    // A stream on a new file that replaces any old one only when closed successfully.
    std::unique_ptr<TextOutputStream> CreateTextFile(QString* error = nullptr) const;
    std::unique_ptr<TextInputStream> OpenAsTextFile(QString* error = nullptr) const;

private:
    QString path_;
};

} // namespace framework
