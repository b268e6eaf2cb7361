// BCH(31,21) teaching console: encode, add errors, compute the syndrome, correct by error
// trapping.
#include "console.h"
#include "dialogue.h"

int main() {
    // Static, not on the stack: its input buffer is larger than a WebAssembly stack.
    static System_Console console;
    Run_Dialogue(console);
    return 0;
}
