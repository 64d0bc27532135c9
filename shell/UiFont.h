#pragma once

#include <QFont>

// The windows' font: 宋体 at the given size, falling back to another installed Chinese
// font where 宋体 is missing.
QFont SongFont(int pointSize = 9);
