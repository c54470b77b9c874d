// The open-picture dialog's filter, with '|' separators: "対応ファイル" with every supported
// pattern first, then each format, then all files.
#pragma once

#include <string>

void BuildOpenFilter(std::string& filter);
