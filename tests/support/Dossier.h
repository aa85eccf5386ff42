#pragma once

#include "framework/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A temporary application folder for one test, put back as it was afterwards.
class Dossier {
public:
    explicit Dossier(framework::FolderItem::Copie copie = framework::FolderItem::Copie::Portable)
        : dir_(QDir(QFileInfo::exists("/tmp") ? "/tmp" : QDir::tempPath())
                   .filePath("Tarivane-XXXXXX")) {
        // In a folder any user may go through: some tests run as another user.
        framework::FolderItem::SetApplicationFolder(dir_.path(), copie);
    }
    ~Dossier() { framework::FolderItem::SetApplicationFolder({}); }

    QString chemin(const QString& nom = QStringLiteral("Tarivane")) const {
        return dir_.filePath(nom);
    }
    // The whole settings file, or "<absent>".
    QByteArray contenu(const QString& nom = QStringLiteral("Tarivane")) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    bool ecrire(const QByteArray& octets, const QString& nom = QStringLiteral("Tarivane")) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
    }
    // Every name in the folder, hidden ones too: a save must leave no temporary file behind.
    QStringList noms() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir dir_;
};
