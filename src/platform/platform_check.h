#pragma once
#include <QString>

// Whether the program runs on a system it is built for, judged by the
// kernel's name ("linux"); every other system is refused at start-up.
bool platformAccepted(const QString& kernelType);
bool platformAccepted();

// What the refusal says.
QString platformRefusal();
