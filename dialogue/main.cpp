// BCH(31,21) teaching console: encode, add errors, compute the syndrome, correct by error
// trapping.
#include "console.h"
#include "dialogue.h"

int main() {
    Stdio_Console console;
    Run_Dialogue(console);
    return 0;
}
