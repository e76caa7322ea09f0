#include "app/files/GameFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace flipstone {
namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

enum class Action { kOpen, kSave };

QString Reason(int error, Action action) {
    switch (error) {
        case ENOENT:
            return action == Action::kOpen
                       ? QCoreApplication::translate("GameFile", "it does not exist")
                       : QCoreApplication::translate("GameFile", "the folder does not exist");
        case EISDIR:
            return QCoreApplication::translate("GameFile", "it is a folder");
        case EACCES:
        case EPERM:
            return QCoreApplication::translate("GameFile", "permission denied");
        case EROFS:
            return QCoreApplication::translate("GameFile", "the location is read-only");
        case ENOTDIR:
            return QCoreApplication::translate("GameFile", "a part of the path is not a folder");
        case ENOSPC:
            return QCoreApplication::translate("GameFile", "the disk is full");
        case ENAMETOOLONG:
            return QCoreApplication::translate("GameFile", "the name is too long");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString Failure(const QString& path, Action action, const QString& reason) {
    if (action == Action::kOpen) {
        //: %1 is the file's path, %2 the reason, one of this context's lower-case texts.
        return QCoreApplication::translate("GameFile", "Cannot open the file \"%1\": %2.")
            .arg(path, reason);
    }
    //: %1 is the file's path, %2 the reason, one of this context's lower-case texts.
    return QCoreApplication::translate("GameFile", "Cannot save the file \"%1\": %2.")
        .arg(path, reason);
}

QString Failure(const QString& path, Action action, int error) {
    return Failure(path, action, Reason(error, action));
}

bool IsReadOnly(const QByteArray& name, const struct stat& status) {
    return (status.st_mode & kAnyWriteBit) == 0 || ::access(name.constData(), W_OK) != 0;
}

// Opens a plain file for reading without reading; other kinds are only checked for access.
int CheckReadable(const QByteArray& name, const struct stat& status) {
    if (!S_ISREG(status.st_mode)) {
        return ::access(name.constData(), R_OK) == 0 ? 0 : errno;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    ::close(fd);
    return 0;
}

std::optional<QString> CheckSaveTarget(const QString& path, const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        return Failure(path, Action::kSave, EISDIR);
    }
    if (!S_ISREG(status.st_mode)) {
        return Failure(path, Action::kSave,
                       QCoreApplication::translate("GameFile", "it is not a plain file"));
    }
    if ((status.st_mode & kAnyWriteBit) == 0) {
        return Failure(path, Action::kSave,
                       QCoreApplication::translate("GameFile", "the file is read-only"));
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> GameFile::Open(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (path.isEmpty() || ::stat(name.constData(), &status) != 0) {
        return Failure(path, Action::kOpen, path.isEmpty() ? ENOENT : errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return Failure(path, Action::kOpen, EISDIR);
    }
    if (const int error = CheckReadable(name, status); error != 0) {
        return Failure(path, Action::kOpen, error);
    }
    return std::nullopt;
}

std::optional<QString> GameFile::Save(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    const bool existed = !path.isEmpty() && ::stat(name.constData(), &status) == 0;
    if (existed) {
        if (auto error = CheckSaveTarget(path, status)) {
            return error;
        }
    }
    const int fd = ::open(name.constData(),
                          O_RDWR | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Failure(path, Action::kSave, path.isEmpty() ? ENOENT : errno);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        if (!existed) {
            ::unlink(name.constData());
        }
        return Failure(path, Action::kSave, error);
    }
    return std::nullopt;
}

bool GameFile::NeedsSaveAs(const QString& documentPath) {
    const QByteArray name = QFile::encodeName(documentPath);
    struct stat status {};
    if (documentPath.isEmpty() || ::stat(name.constData(), &status) != 0) {
        return true;
    }
    return !S_ISREG(status.st_mode) || IsReadOnly(name, status);
}

bool GameFile::HasContent(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_size > 0;
}

QString GameFile::ProposedSaveName(const QString& documentName) {
    static const QString kStopCharacters = QStringLiteral(" #%;/\\");
    for (qsizetype i = 0; i < documentName.size(); ++i) {
        if (kStopCharacters.contains(documentName[i])) {
            return documentName.left(i);
        }
    }
    return documentName;
}

QString GameFile::FullPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

QString GameFile::Title(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace flipstone
