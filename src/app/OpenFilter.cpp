#include "app/OpenFilter.h"

void BuildOpenFilter(std::string& filter) {
    // The built-in reader takes bitmap files; image plug-ins add their formats here.
    filter = "対応ファイル|*.BMP|BMP(*.BMP)|*.BMP|すべてのファイル(*.*)|*.*";
}
