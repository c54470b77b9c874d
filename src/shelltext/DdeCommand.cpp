#include "shelltext/DdeCommand.h"

bool ExtractDdePath(std::string_view command, std::string& path) {
    if (command.size() < 3)
        return false;
    path.assign(command.substr(1, command.size() - 3));
    return true;
}

std::string MakeDdeCommand(std::string_view path) {
    if (path.empty())
        return {};
    std::string command;
    command.reserve(path.size() + 3);
    command += '"';
    command += path;
    command += "\" ";
    return command;
}
