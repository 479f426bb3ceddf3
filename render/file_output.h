// Files the user names, read and written safely: the settings file and exported charts.
//
// Only regular files are read or replaced. A name may be a symbolic link; the file it leads to
// is then the one read or written, and the link stays. A folder, device, pipe or socket is never
// opened for reading (a pipe would block) and never replaced.
#pragma once

#include <string>

class QByteArray;
class QIODevice;

// Opens `path` for reading when it is, or leads to, a regular file: a file descriptor, or -1
// (errno set; ENODEV when it is something else). Never blocks, whatever the name leads to.
int OpenRegularFileForReading(const std::string& path);

// Writes all of `bytes` to `out`, going on after a short write: a disk that fills part-way
// accepts some bytes first and gives its reason (no space left) only on the next write.
// Returns false with the device's reason in `reason`.
bool WriteAll(QIODevice& out, const QByteArray& bytes, std::string& reason);

// Replaces the contents of the file at `path` (created when missing) with `bytes`. A symbolic
// link is followed to the file it leads to, which is written; the link stays. Anything that is
// not a regular file is refused and left as it is. The bytes go to a temporary file beside the
// file, which replaces it only when complete, so a failed write leaves the old file; when the
// folder refuses the temporary file, the file is written in place instead. Returns false with
// the system's reason in `reason` (without the file's name).
bool ReplaceFileContents(const std::string& path, const QByteArray& bytes, std::string& reason);

// "Cannot write "path": reason.", in the user's language, for every writer of files.
std::string CannotWriteMessage(const std::string& path, const std::string& reason);
