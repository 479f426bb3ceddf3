#include "render/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

// As many links as the kernel itself follows before it gives up with ELOOP.
constexpr int MaxLinkDepth = 40;

// The name a path leads to after all its symbolic links, or empty (errno ELOOP) for a cycle. A
// link whose file does not exist yet leads to the name the file would have.
QString FollowLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink(); ++depth) {
        if (depth == MaxLinkDepth) {
            errno = ELOOP;
            return QString();
        }
        info.setFile(info.symLinkTarget());
    }
    return info.filePath();
}

// The reason given for something that is there but is not a regular file.
std::string NotARegularFile(mode_t mode) {
    return (S_ISDIR(mode) ? QCoreApplication::translate("FileOutput", "it is a folder")
                          : QCoreApplication::translate("FileOutput", "it is not a regular file"))
        .toStdString();
}

}  // namespace

// Input: a path. Output: a descriptor open for reading, or -1. The name is checked before it is
// opened, so that no device is opened at all, and the descriptor after, so that nothing put in
// the file's place in between is read; O_NONBLOCK keeps a pipe put there from blocking the open.
int OpenRegularFileForReading(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return -1;
    if (!S_ISREG(status.st_mode)) {
        errno = S_ISDIR(status.st_mode) ? EISDIR : ENODEV;
        return -1;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        errno = ENODEV;
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Input: an open device, the bytes. Output: true when every byte was taken. Qt returns a short
// count from a write the system cut short without recording why; the next write gets the
// system's reason, which a file device records. A device that records none gives errno's.
bool WriteAll(QIODevice& out, const QByteArray& bytes, std::string& reason) {
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 wrote = out.write(bytes.constData() + done, bytes.size() - done);
        if (wrote > 0) {
            done += wrote;
            continue;
        }
        const int error = errno;
        const auto* file = qobject_cast<const QFileDevice*>(&out);
        if ((file == nullptr || file->error() == QFileDevice::NoError) && error != 0) {
            reason = std::strerror(error);
        } else {
            reason = out.errorString().toStdString();
        }
        return false;
    }
    return true;
}

// Input: a path, the new contents. Output: true when the file the path leads to holds them.
// The check of what the name leads to comes first, so that a device, pipe or folder (or a link
// to one) is never replaced by the temporary file's rename, as it would be otherwise.
bool ReplaceFileContents(const std::string& path, const QByteArray& bytes, std::string& reason) {
    reason.clear();
    const QString target = FollowLinks(QString::fromStdString(path));
    if (target.isEmpty()) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat status {};
    if (lstat(QFile::encodeName(target).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        reason = NotARegularFile(status.st_mode);
        return false;
    }
    // A folder that takes no new file makes QSaveFile write the file itself, in place; a write
    // that fails then has already cut the old file short, and the reason says so.
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const bool inPlace = access(folder.constData(), W_OK) != 0;

    // Unbuffered: QSaveFile (Qt 6.4) records a failed write only when it happens in write()
    // itself; a buffered write that fails while commit() flushes would be renamed into place
    // truncated and reported as success.
    QSaveFile file(target);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString().toStdString();
        return false;
    }
    if (!WriteAll(file, bytes, reason)) {
        file.cancelWriting();
        file.commit();  // removes the temporary file
        if (inPlace)
            reason = QCoreApplication::translate("FileOutput",
                                                 "%1 (written in place, as its folder takes no new "
                                                 "files: the file may be incomplete)")
                         .arg(QString::fromStdString(reason))
                         .toStdString();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString().toStdString();
        return false;
    }
    return true;
}

std::string CannotWriteMessage(const std::string& path, const std::string& reason) {
    return QCoreApplication::translate("FileOutput", "Cannot write \"%1\": %2.")
        .arg(QString::fromStdString(path), QString::fromStdString(reason))
        .toStdString();
}
