#pragma once
// Every protected area of the program with the name the administrator sees for it.
#include <string>
#include <vector>

namespace data {

struct AccessArea {
    double code;        // 17.01 and 17.1 are different areas
    std::string local;  // at most 35 characters (TbAcesso.Local)
};

const std::vector<AccessArea>& accessAreas();

}  // namespace data
