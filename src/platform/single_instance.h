#pragma once
#include <QString>
#include <memory>

class QLockFile;

// Makes sure only one copy of the program runs for a user: the first copy
// holds a lock file in the user's runtime folder; a second copy finds it
// held. The lock goes with the process, also when it is killed.
class SingleInstance {
public:
    // `name` tells programs (and tests) apart.
    explicit SingleInstance(const QString& name = QStringLiteral("corvane"));
    ~SingleInstance();

    // True when another running copy holds the lock.
    bool anotherIsRunning() const { return !held_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};
