#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "demo") == 0) {
        std::puts("stepwise: demo");
        return 0;
    }
    std::fputs("usage: stepwise demo\n", stderr);
    return 2;
}
