#pragma once
#include "settings/user_lists.h"

#include <QString>
#include <vector>

// The radar pictures that the local-radar editor offers for picking, kept in
// the text file radar_catalogue.txt built into the program. Each line is one
// picture, its fields split by "|":
//   name|NO|site|path    a still picture at the site's address and the path
//   name|YES|site|path   an animated picture, addressed the same way
//   name|NEX|radar       a radar of the national network by its identifier
// Lines starting with "#" and empty lines are notes.

// The argument of a national-network radar (three letters, lower case): its
// page on the map portal, "@", and the start of the radar picture's path as
// it stands in that page.
QString radarPageArgument(const QString& radar);

// The entries of a catalogue text, in its order. A line that is not one of
// the three shapes, or that names a site the program does not know, is left
// out.
std::vector<RadarEntry> parseRadarCatalogue(const QString& text);

// The catalogue built into the program, with the site addresses as they are now.
std::vector<RadarEntry> radarCatalogue();
