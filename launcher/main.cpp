#include <windows.h>

#include <cstdio>

#include "launch_arguments.h"

int main(int argc, char** argv) {
    return argc > 0 && argv ? 0 : 1;
}
