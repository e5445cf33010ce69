#pragma once
#include <QString>

// "Version 1.7.7": the version text of this program, as the About window and
// the settings file's first line show it.
QString versionText();
