#pragma once
#include <QString>
#include <vector>

// The condition title that "Add Definition" stores: in upper case, with
// blanks taken off either end while at least two characters remain (so a
// title of blanks only ends as one blank).
QString definitionTitle(const QString& typed);

// Whether a title from definitionTitle() is worth storing.
bool isDefinableTitle(const QString& title);

// Puts a definition at the end of the parallel tables: into the last
// element when its title is empty, else into a new element.
void appendDefinition(std::vector<QString>& names, std::vector<int>& categories, const QString& title,
                      int category);
