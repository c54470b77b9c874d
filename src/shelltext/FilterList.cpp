#include "shelltext/FilterList.h"

#include "settings/Cp932Text.h"

std::string MakeFilterList(std::string_view filter) {
    std::string list(filter);
    for (size_t i = 0; i < list.size(); i += cp932::CharLength(list, i)) {
        if (list[i] == '|')
            list[i] = '\0';
    }
    if (list.empty() || list.back() != '\0')
        list += '\0';
    return list;
}
