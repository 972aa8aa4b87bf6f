#pragma once

#include <QFont>
#include <QString>

// A font of the given face whose character cell (ascent + descent) is `height` pixels; width 0
// lets the font system choose, another width asks for that average character width. Weight is
// on the 1 to 1000 scale (400 normal). The pitch bits of `pitchAndFamily` are not passed on, as
// the face name always decides; its family bits (0x10 roman, 0x20 swiss, 0x30 modern, 0x40
// script, 0x50 decorative) become the style hint for a face that is missing. No italic,
// underline or strike-out. A height below 1 is taken as 1.
QFont CreatePanelFont(const QString& face, int width, int height, int weight, int pitchAndFamily);
