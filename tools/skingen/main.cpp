// skingen: see SkinGen.h.
#include <string>
#include <vector>

#include "tools/skingen/SkinGen.h"

int main(int argc, char** argv) {
    return skingen::RunSkinGen(std::vector<std::string>(argv + 1, argv + argc), stderr);
}
