#pragma once

#include <QString>

// The name made absolute against the working directory (a bare name means a file there), so
// that players which do not share our idea of the working directory find the same file.
QString absoluteMediaPath(const QString& name);
