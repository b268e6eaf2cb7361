#!/bin/sh
# A word of 1 GiB for the information word and another for the error pattern, read under a
# 64 MiB address-space limit: the program must keep only the first characters of a word.
# Usage: huge_word.sh PROGRAM [EMULATOR [OPTIONS]]: with qemu-user's command line after it, the
# program runs emulated.
set -eu
program=$1
shift
if [ $# -eq 0 ]; then
    ulimit -v 65536
else
    # A ulimit would bound the emulator, whose code cache alone takes 128 MiB of addresses.
    # -R makes qemu reserve 64 MiB of addresses for the emulated program and map all of it
    # there: its code, loader and C library, stack and heap. That leaves it less room than the
    # native limit does.
    set -- "$@" -R 64M
fi
output=$({
    head -c 1073741824 /dev/zero | tr '\0' 1
    printf ' rest of the line\n'
    head -c 1073741824 /dev/zero | tr '\0' 0
    printf '\n'
} | "$@" "$program")
expected="Zakodowany ciag (wektor kodowy): 1111111111111111111111111111111
                                            _______________________________
Podaj blad wprowadzony do wektora kodowego: Odebrany ciag: 1111111111111111111111111111111"
case $output in
*"$expected"*) ;;
*)
    printf 'unexpected output:\n%s\n' "$output"
    exit 1
    ;;
esac
