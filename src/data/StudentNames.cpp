#include "StudentNames.h"

#include <algorithm>

namespace data {

bool HasForbiddenNameCharacter(std::string_view name) {
    return name.find_first_of(kForbiddenNameCharacters) != std::string_view::npos;
}

std::string TrimBlanks(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

bool NamesAnotherDataFile(const std::string& name, const std::string& teacherName,
                          const std::vector<std::string>& classNames) {
    return name == "Admin" || name == teacherName ||
           std::any_of(classNames.begin(), classNames.end(), [&](const std::string& className) {
               return name == teacherName + className;
           });
}

} // namespace data
