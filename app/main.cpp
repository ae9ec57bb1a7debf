#include "project.h"

int main(int argc, char** argv) {
    return toolkit::run(argc, argv, app::project());
}
