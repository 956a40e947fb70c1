// formconv: see FormConvert.h.
#include <string>
#include <vector>

#include "framework/tools/FormConvert.h"

int main(int argc, char** argv) {
    return framework::RunFormConvert(std::vector<std::string>(argv + 1, argv + argc), stderr);
}
