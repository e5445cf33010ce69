#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Every file the program writes goes through these two routines, so that a
// full disk, a write error or the program being killed in the middle never
// costs a file its old content.

// Who may read a file that a write creates or replaces.
enum class FileAccess {
    AsBefore,  // a new file as the umask allows, a replaced one as it was
    OwnerOnly, // the owner alone: a new file gets 0600, a replaced one loses
               // every permission of its group and of others
};

// Replaces the file at `path` with `bytes`. They go to a temporary file
// beside it first; only when they were all written, synced to the disk and
// found there at full size is the temporary renamed over the target. On any
// failure the temporary is removed, the old file is left as it was, and
// *error (when given) says why in words a user can read. The temporary has
// the file's permissions from the start.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                     FileAccess access = FileAccess::AsBefore);

// Takes every permission of its group and of others from an existing file,
// as a write with FileAccess::OwnerOnly would; nothing when there is none.
void restrictToOwner(const QString& path);

// writeFileSafely in two steps, for a save of several files that must all
// change or none: the bytes go to the temporary beside the file at once, and
// replace the file only on commit(). A write not committed leaves the file as
// it was, and its temporary is removed.
class PendingFileWrite {
public:
    PendingFileWrite(const QString& path, const QByteArray& bytes, FileAccess access = FileAccess::AsBefore);
    ~PendingFileWrite();
    PendingFileWrite(const PendingFileWrite&) = delete;
    PendingFileWrite& operator=(const PendingFileWrite&) = delete;

    // Whether the bytes were all written and synced; else *error says why.
    bool ready(QString* error = nullptr) const;
    // Puts the temporary in the file's place; false, with *error saying why,
    // when it is not ready or cannot be put there.
    bool commit(QString* error = nullptr);

private:
    void discard();

    QString target_;
    QString temporary_; // empty once removed or committed
    int failure_ = 0;   // errno of the step that failed
};

// Appends `bytes` whole or not at all: when they cannot all be written and
// synced, the file is cut back to the size it had (a file the append created
// is removed again).
bool appendWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Makes a write past the file-size limit (ulimit -f) fail as a full disk
// does, where the signal SIGXFSZ would otherwise end the program in the middle
// of it. Called once at start-up.
void failWritesPastTheFileSizeLimit();

// Whether a file name is one of the temporaries that writeFileSafely makes:
// the target's name, ".corvane-save-" and six letters or digits.
bool isSaveTemporaryName(const QString& fileName);

// Removes the temporaries that a save cut short (the program was killed
// during it) left in `folder`; other files are never touched. Returns how
// many were removed.
int removeStaleSaveTemporaries(const QString& folder);

// The same for every folder of its own that the program saves whole files
// into: the program folder itself, Buoy, data and the settings store's folder
// (the logs in Log are only appended to). Called once at start-up.
void removeStaleSaveTemporaries();

// For tests: while set, every write or append whose target path the check
// accepts fails as a full disk would, after its bytes were handed over.
// An empty function ends it.
void setWriteFailureForTesting(std::function<bool(const QString& path)> fails);
