#include "platform/file_writes.h"

#include "platform/program_folder.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QLatin1String kTemporaryInfix(".corvane-save-");
constexpr qsizetype kTemporaryTagLength = 6;
const QLatin1String kTagCharacters("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

std::function<bool(const QString&)>& injectedFailure()
{
    static std::function<bool(const QString&)> fails;
    return fails;
}

// True, with errno set as a full disk sets it, when a test asked for this
// path's write to fail.
bool failsOnRequest(const QString& path)
{
    const auto& fails = injectedFailure();
    if (!fails || !fails(path))
        return false;
    errno = ENOSPC;
    return true;
}

void setError(QString* error, int code)
{
    if (error)
        *error = qt_error_string(code);
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// Writes every byte, going on after an interrupted or partial write.
bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

QString randomTag()
{
    QString tag;
    for (qsizetype i = 0; i < kTemporaryTagLength; ++i)
        tag += kTagCharacters[QRandomGenerator::global()->bounded(static_cast<int>(kTagCharacters.size()))];
    return tag;
}

constexpr mode_t kOwnerPermissions = S_IRWXU;

// Creates a new temporary beside `target`; -1 with errno set when none can be.
int createTemporary(const QString& target, QString& temporary, FileAccess access)
{
    const mode_t mode = access == FileAccess::OwnerOnly ? S_IRUSR | S_IWUSR : 0666;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target + kTemporaryInfix + randomTag();
        const int fd = ::open(native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The file a write replaces: for a symbolic link the file it points to, so
// that the link itself stays.
QString replacedFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

// Makes the rename itself last; a folder that cannot be synced costs nothing.
void syncFolderOf(const QString& path)
{
    const int fd = ::open(native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Writes, syncs and checks the temporary; on failure returns the error code.
int fillTemporary(int fd, const QString& target, const QByteArray& bytes)
{
    if (!writeAll(fd, bytes) || failsOnRequest(target) || ::fsync(fd) != 0)
        return errno;
    struct stat written {};
    if (::fstat(fd, &written) != 0)
        return errno;
    return written.st_size == bytes.size() ? 0 : EIO;
}

// The write that passed the limit returns EFBIG; nothing else is to be done.
void onFileSizeSignal(int) {}

} // namespace

PendingFileWrite::PendingFileWrite(const QString& path, const QByteArray& bytes, FileAccess access)
    : target_(replacedFile(path))
{
    const int fd = createTemporary(target_, temporary_, access);
    if (fd < 0) {
        failure_ = errno;
        temporary_.clear();
        return;
    }
    // The new file keeps the old one's permissions, or the owner's of them.
    struct stat old {};
    if (::stat(native(target_).constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & (access == FileAccess::OwnerOnly ? kOwnerPermissions : 07777));

    failure_ = fillTemporary(fd, target_, bytes);
    if (::close(fd) != 0 && errno != EINTR && failure_ == 0)
        failure_ = errno;
    if (failure_ != 0)
        discard();
}

PendingFileWrite::~PendingFileWrite()
{
    discard();
}

void PendingFileWrite::discard()
{
    if (!temporary_.isEmpty())
        ::unlink(native(temporary_).constData());
    temporary_.clear();
}

bool PendingFileWrite::ready(QString* error) const
{
    if (failure_ != 0)
        setError(error, failure_);
    return failure_ == 0;
}

bool PendingFileWrite::commit(QString* error)
{
    if (!ready(error))
        return false;
    if (::rename(native(temporary_).constData(), native(target_).constData()) != 0) {
        failure_ = errno;
        discard();
        setError(error, failure_);
        return false;
    }
    temporary_.clear();
    syncFolderOf(target_);
    return true;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error, FileAccess access)
{
    PendingFileWrite write(path, bytes, access);
    return write.commit(error);
}

void restrictToOwner(const QString& path)
{
    const QByteArray name = native(replacedFile(path));
    struct stat now {};
    if (::stat(name.constData(), &now) == 0 && S_ISREG(now.st_mode) && (now.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        ::chmod(name.constData(), now.st_mode & kOwnerPermissions);
}

bool appendWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    const QByteArray name = native(path);
    int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST)
        fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        setError(error, errno);
        return false;
    }
    struct stat before {};
    int failure = ::fstat(fd, &before) == 0 ? 0 : errno;
    if (failure == 0 && (!writeAll(fd, bytes) || failsOnRequest(path) || ::fdatasync(fd) != 0))
        failure = errno;
    if (failure != 0 && S_ISREG(before.st_mode)) {
        // Nothing of a record that did not go down whole stays in the file.
        if (created)
            ::unlink(name.constData());
        else if (::ftruncate(fd, before.st_size) == 0)
            ::fdatasync(fd);
    }
    ::close(fd);
    if (failure != 0) {
        setError(error, failure);
        return false;
    }
    return true;
}

void failWritesPastTheFileSizeLimit()
{
    // A handler rather than SIG_IGN: an ignored signal would stay ignored in
    // the programs this one starts.
    struct sigaction action {};
    action.sa_handler = onFileSizeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGXFSZ, &action, nullptr);
}

bool isSaveTemporaryName(const QString& fileName)
{
    const qsizetype infixAt = fileName.size() - kTemporaryTagLength - kTemporaryInfix.size();
    if (infixAt < 1 || QStringView(fileName).sliced(infixAt, kTemporaryInfix.size()) != kTemporaryInfix)
        return false;
    const QStringView tag = QStringView(fileName).right(kTemporaryTagLength);
    return std::all_of(tag.begin(), tag.end(), [](QChar c) { return kTagCharacters.contains(c); });
}

int removeStaleSaveTemporaries(const QString& folder)
{
    const QDir dir(folder);
    int removed = 0;
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& file : files)
        if (isSaveTemporaryName(file) && QFile::remove(dir.filePath(file)))
            ++removed;
    return removed;
}

void removeStaleSaveTemporaries()
{
    for (const QString& folder : {programFolder(), programPath(QStringLiteral("Buoy")), programPath(QStringLiteral("data")),
                                  QFileInfo(settingsStorePath()).path()})
        removeStaleSaveTemporaries(folder);
}

void setWriteFailureForTesting(std::function<bool(const QString& path)> fails)
{
    injectedFailure() = std::move(fails);
}
