#pragma once

#include <QString>

namespace quarlin::hostapp {

// Renders every prompt of the catalog to DIR/<FormName>.png. Returns the number of failures
// (0 when every picture was written), and prints one line per picture.
int renderGallery(QString const& directory);

} // namespace quarlin::hostapp
