#include <iostream>
#include <string>

int main(int argc, char** argv) {
    std::cout << "usage: korvant-cli [global options] <object> <action> [options]\n";
    return argc > 1 && std::string(argv[1]) != "--help" ? 2 : 0;
}
