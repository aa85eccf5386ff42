#pragma once

#include <QString>
#include <memory>

namespace framework {

class TextInputStream;
class TextOutputStream;

// A file named by its path, existing or not. A default-made item is "nil": no file at all.
class FolderItem {
public:
    // Where the program runs from decides where it keeps its files.
    enum class Copie {
        Portable,  // a folder it may write: files beside the program
        Installee, // the folder it was installed into: files in the user's configuration folder
        Protegee,  // another folder it may not write: the configuration folder as well
    };
    // A new file: the settings, private, in a folder made when missing; or a document, with the
    // permissions of any new document, in a folder that must be there.
    enum class Nouveau { Reglages, Document };

    FolderItem() = default;
    explicit FolderItem(QString path) : path_(std::move(path)) {}

    // The item of that bare name in that folder. Nil when it would be the running program itself
    // (on a case-insensitive file system "Tarivane" and "tarivane" are one file).
    static FolderItem GetFolderItem(const QString& folder, const QString& name);
    // The item of that bare name in the user's configuration folder for this application.
    static FolderItem GetConfigItem(const QString& name);

    // The folder that holds the executable (on macOS, the folder that holds the bundle).
    static QString ApplicationFolder();
    static Copie SorteDeCopie();
    // Points the application's folder elsewhere, as a copy of that kind; an empty folder
    // restores the real one.
    static void SetApplicationFolder(const QString& folder, Copie copie = Copie::Portable);

    bool isNil() const { return path_.isEmpty(); }
    const QString& path() const { return path_; }

    // True when something of that name is there, be it a dangling link, or may be there in a
    // folder that cannot be looked into.
    bool Exists() const;

    // A stream on a new file that replaces the old one only when closed successfully. Only a
    // regular file is ever replaced (through a link, the file it points to); anything else is
    // refused. Nil on failure, with the reason in French.
    std::unique_ptr<TextOutputStream> CreateTextFile(QString& erreur,
                                                     Nouveau nouveau = Nouveau::Reglages) const;
    // The start of a regular file, read at once and never blocking. Nil on failure, with the
    // reason in French.
    std::unique_ptr<TextInputStream> OpenAsTextFile(QString& erreur) const;

private:
    QString path_;
};

} // namespace framework
