// Forced into a second build of the Windows program (tests/CMakeLists.txt, bch_short_writes):
// every _write to standard output takes at most five bytes of its text, as a pipe may take only
// a part, so the program has to go on writing the rest. The program itself is built without it.
#ifndef BCH_TESTS_FAULTS_SHORT_WRITES_WINDOWS_H
#define BCH_TESTS_FAULTS_SHORT_WRITES_WINDOWS_H

#include <io.h>

inline int Short_Write(int fd, const void *data, unsigned size) {
    return _write(fd, data, fd == 1 && size > 5 ? 5U : size);
}
#define _write Short_Write

#endif
