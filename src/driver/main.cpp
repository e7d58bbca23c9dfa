// cullsrc input.cpp output.cpp: copies the input with the code that can never run from main
// overwritten, and reports what it found on standard output.

#include <cstdio>

#include "driver/run.h"
#include "driver/sink.h"

int main(int argc, char** argv) {
    cullsrc::FileSink console(stdout);
    if (argc < 3) {
        console.write("Usage: cullsrc input.cpp output.cpp\n");
        console.flush();
        return 1;
    }
    int status = cullsrc::run(argv[1], argv[2], console);
    // A report that could not be written is no success either.
    if (!console.flush() && status == 0) status = 1;
    return status;
}
