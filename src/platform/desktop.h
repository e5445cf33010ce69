#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Handing things to the desktop: opening a document or web address with the
// user's default program, and starting another program. Tests replace both.

// Opens a file path or a URL with the desktop's default program. When the
// desktop has no program for it, a message box says that it could not be
// opened.
void openWithDefaultProgram(const QString& fileOrUrl);

// Starts another program detached from this one; false when it could not start.
bool startProgram(const QString& program, const QStringList& arguments);

struct DesktopSeam {
    std::function<bool(const QString&)> open; // true when the desktop took it
    std::function<bool(const QString&, const QStringList&)> start;
};
void setDesktopSeam(DesktopSeam seam);
void clearDesktopSeam();
