#pragma once

#include <QString>

namespace quarlin::hostapp {

// Renders every prompt of the catalog to DIR/<name>.png, and in German to DIR/<name>-de.png. Returns the
// number of failures (0 when every picture was written), and prints one line per picture.
int renderGallery(QString const& directory);

} // namespace quarlin::hostapp
